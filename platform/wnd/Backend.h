#pragma once

#include "DialogTemplate.h"
#include "DisplayText.h"
#include "String.h"

#include <memory>
#include <vector>

// Notification codes a backend reports for a control.
constexpr int BN_CLICKED = 0;
constexpr int EN_CHANGE = 0x0300;
constexpr int LBN_SELCHANGE = 1;
constexpr int LBN_DBLCLK = 2;
// Commands that are not control notifications (Enter, Esc, close box, F1) come as
// BN_CLICKED of IDOK, IDCANCEL or ID_HELP.
constexpr UINT ID_HELP = 0xE146;

// The keys a backend reports instead of acting on them; the framework decides what they
// do (CDialogManager).
enum class DialogKey { Enter, Escape, Tab, ShiftTab, CloseBox, Help };

// What a backend calls back into: the dialog object that owns the window.
class IDialogSite {
public:
    virtual ~IDialogSite() = default;
    // Controls exist, nothing is shown yet. Runs OnInitDialog and, when it returns TRUE,
    // puts the focus on the first tab stop.
    virtual void SiteInitDialog() = 0;
    // A control notification or a command. The site drops it while data is exchanged.
    virtual void SiteCommand(int nID, int nCode) = 0;
    // A key the user pressed in the dialog, or its close box.
    virtual void SiteKey(DialogKey key) = 0;
    // The window has been painted for the first time.
    virtual void SiteShown() = 0;
};

// What the window system's Open dialog asks for: its title, the file name it offers, and
// the kinds of file it lists, each a name and a pattern ("Text files", "*.txt"; "*" for
// all files). The application gives the texts.
struct FileFilter {
    CString strName;
    CString strPattern;
};
struct OpenFileRequest {
    CString strTitle;
    CString strSuggestedName;
    std::vector<FileFilter> filters;
};

class CDialogWindow;

class IWindowBackend {
public:
    virtual ~IWindowBackend() = default;
    // pOwner is the window the new dialog belongs to, or null.
    virtual std::unique_ptr<CDialogWindow> CreateDialogWindow(const DialogTemplate& tmpl, IDialogSite& site,
                                                              CDialogWindow* pOwner) = 0;
    // nType carries MB_OK or MB_YESNO and the icon; returns IDOK, IDYES or IDNO.
    virtual int MessageBox(const CDisplayText& strText, const CString& strCaption, UINT nType) = 0;
    // The window system's Open dialog: an existing file, or a new name in an existing
    // folder. Gives the chosen path in the file system's own
    // encoding; false when the user cancels. A backend without a file dialog cannot ask,
    // and answers as on Cancel.
    virtual bool PromptForFile(const OpenFileRequest&, CString&) { return false; }
};

void AfxSetBackend(IWindowBackend* pBackend);
IWindowBackend* AfxGetBackend();
