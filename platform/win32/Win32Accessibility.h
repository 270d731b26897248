#pragma once

#include "DialogTemplate.h"
#include "Win32Annotator.h"

#include <vector>

struct HWND__;

// Gives Windows' accessibility the framework's names (CAccessibleNames) where the
// native rule does not. Windows names an edit box or a list by the static text just
// before it in the template; where that is the control's caption the name is left to
// Windows, elsewhere (a caption after its box, a list, a box without caption) the name
// is annotated, as are the descriptions Windows has no rule for.
class CWin32Accessibility {
public:
    static std::vector<Win32Annotation> Annotations(const DialogTemplate& tmpl);
    static bool Annotate(const DialogTemplate& tmpl, HWND__* hDialog);
};
