#pragma once

#include "CmdTarget.h"
#include "DialogTemplate.h"
#include "DisplayText.h"
#include "String.h"

#include <exception>

class CWnd;
class IWindowBackend;

// The application object. The system constructs one global instance; the framework's
// start-up runs its InitInstance.
class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* pszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // Reports an exception that a handler let through, as the framework's top-level
    // handler does, and lets the window go on.
    virtual void ProcessWndProcException(const std::exception& e);

    // Three-dimensional controls are what every backend draws; kept for the start-up
    // sequence.
    BOOL Enable3dControls() { return TRUE; }
    // F1 anywhere: shows the application's help text, when it has one.
    void OnHelp();

    CWnd* m_pMainWnd = nullptr;
    // What OnHelp shows; the application sets it.
    CDisplayText m_strHelpText;
    // The title of message boxes: the name given, else the executable's file name.
    CString m_strAppTitle;

protected:
    DECLARE_MESSAGE_MAP()
};

CWinApp* AfxGetApp();
// Shows a message box captioned with the application title; MB_OK and MB_YESNO boxes
// both carry the exclamation icon. Returns IDOK, IDYES or IDNO.
int AfxMessageBox(const CDisplayText& strText, UINT nType = MB_OK);
// The text the framework shows for an exception, which names the file of an archive.
CDisplayText AfxExceptionMessage(const std::exception& e);

// For start-up measurements: the first dialog shown is cancelled right after its first
// paint. AfxWinMain switches it on when ORVANE_EXIT_AFTER_SHOW is 1.
void AfxSetExitAfterShow(bool bExit);
// True once, for the dialog that should end now that it is shown.
bool AfxTakeExitAfterShow();

// The framework's start-up: sets the title from argv[0], installs the backend, runs
// InitInstance and ExitInstance. Returns the process exit code.
int AfxWinMain(int argc, char** argv, IWindowBackend& backend);
