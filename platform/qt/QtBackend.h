#pragma once

#include "Backend.h"

#include <string>

// The desktop backend: dialogs are Qt Widgets windows. A QApplication must exist.
class CQtBackend : public IWindowBackend {
public:
    std::unique_ptr<CDialogWindow> CreateDialogWindow(const DialogTemplate& tmpl, IDialogSite& site,
                                                      CDialogWindow* pOwner) override;
    int MessageBox(const CDisplayText& strText, const CString& strCaption, UINT nType) override;
    bool PromptForFile(const OpenFileRequest& request, CString& strPath) override;
};

// Starts the desktop program: checks that a display is there, creates the QApplication
// and a CQtBackend and runs the framework's start-up. Returns the process exit code.
// Qt aborts the process when its display cannot be opened, so where none can be reached
// nothing starts: strProblem says why in one line, for the program to report, and the
// code is 1.
int RunQtApplication(int argc, char** argv, std::string& strProblem);
