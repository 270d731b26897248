#pragma once

#include <string>

struct HWND__;

// What Windows' accessibility (MSAA) reports for a dialog's control, as a screen reader
// asks for it: the client object of the control's window.
namespace NativeAccessibility {
struct Reading {
    bool bFound = false;  // an accessible object was found for the control
    std::string strName;
    std::string strDescription;
};
Reading Read(HWND__* hDialog, int nID);
}  // namespace NativeAccessibility
