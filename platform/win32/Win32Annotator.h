#pragma once

#include <string>
#include <vector>

struct HWND__;

// A name or description for assistive technology, set on a dialog's control.
struct Win32Annotation {
    int nID;
    bool bDescription;  // else the name
    std::wstring strText;
};

// Sets annotations through Windows' Dynamic Annotation service (oleacc.dll). Kept apart
// from the framework's headers, whose integer names <windows.h> defines differently.
class CWin32Annotator {
public:
    // Where the system offers no annotation service the controls keep their native
    // names; the result says whether every annotation was taken.
    static bool Apply(HWND__* hDialog, const std::vector<Win32Annotation>& annotations);
};
