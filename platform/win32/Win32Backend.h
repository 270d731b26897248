#pragma once

#include "Backend.h"

// The Windows backend: dialogs are windows of the system's dialog manager, made from the
// templates at run time; message boxes are the system's.
class CWin32Backend : public IWindowBackend {
public:
    std::unique_ptr<CDialogWindow> CreateDialogWindow(const DialogTemplate& tmpl, IDialogSite& site,
                                                      CDialogWindow* pOwner) override;
    int MessageBox(const CDisplayText& strText, const CString& strCaption, UINT nType) override;
    bool PromptForFile(const OpenFileRequest& request, CString& strPath) override;
};

// Starts the desktop program on Windows: a CWin32Backend and the framework's start-up,
// with the executable's own file name as the program's name. Returns the exit code.
int RunWin32Application(int argc, char** argv);
