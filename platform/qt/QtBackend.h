#pragma once

#include "Backend.h"

// The desktop backend: dialogs are Qt Widgets windows. A QApplication must exist.
class CQtBackend : public IWindowBackend {
public:
    std::unique_ptr<IDialogWindow> CreateDialogWindow(const DialogTemplate& tmpl, IDialogSite& site,
                                                      IDialogWindow* pOwner) override;
    int MessageBox(const CDisplayText& strText, const CString& strCaption, UINT nType) override;
    bool PromptForFile(const OpenFileRequest& request, CString& strPath) override;
};

// Starts the desktop program: checks that a display is there, creates the QApplication
// and a CQtBackend and runs the framework's start-up. Returns the process exit code.
int RunQtApplication(int argc, char** argv);
