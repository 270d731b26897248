#pragma once

#include "Backend.h"

// The desktop backend: dialogs are Qt Widgets windows. A QApplication must exist.
class CQtBackend : public IWindowBackend {
public:
    CQtBackend();

    std::unique_ptr<IDialogWindow> CreateDialogWindow(const DialogTemplate& tmpl, IDialogSite& site,
                                                      IDialogWindow* pOwner) override;
    int MessageBox(const CString& strText, const CString& strCaption, UINT nType) override;
    bool PromptForCatalog(CString& strPath) override;

    // For start-up measurements: the first dialog ends itself with IDCANCEL right after
    // it is first painted. Taken from ORVANE_EXIT_AFTER_SHOW=1 by the constructor.
    void SetExitAfterShow(bool bExit) { m_bExitAfterShow = bExit; }
    // True once, for the dialog that should end after it is shown.
    bool TakeExitAfterShow();

private:
    bool m_bExitAfterShow = false;
};

// Starts the desktop program: checks that a display is there, creates the QApplication
// and a CQtBackend and runs the framework's start-up. Returns the process exit code.
int RunQtApplication(int argc, char** argv);
