#pragma once

#include <string>

struct HWND__;

// The system's message box, held to the answers the framework gives its keys: where Esc
// and the close box must do nothing (a question), the close box is greyed and Esc is
// ignored, whatever the system's own box would do.
class CWin32MessageBox {
public:
    // Owned by hOwner (task-modal when null). nEscapeAnswer is what Esc and the close box
    // answer, 0 for nothing. Returns the answer MessageBoxW gives.
    static int Show(HWND__* hOwner, const std::wstring& strText, const std::wstring& strCaption, unsigned nType,
                    int nEscapeAnswer);
};
