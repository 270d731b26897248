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

// One dialog window of a backend, built from a template. Controls are addressed by ID.
// Texts are 8-bit strings in the ANSI code page; a backend converts them for display.
// Titles and message boxes, which may name a file, take a CDisplayText, which says
// whether its bytes are ANSI or UTF-8.
class IDialogWindow {
public:
    virtual ~IDialogWindow() = default;

    // Runs SiteInitDialog, shows the window and runs until EndModal; returns its code.
    virtual int RunModal() = 0;
    virtual void EndModal(int nResult) = 0;

    virtual bool HasControl(int nID) const = 0;
    // Setting the text a control already shows raises no EN_CHANGE.
    virtual void SetText(int nID, const CString& strText) = 0;
    virtual CString GetText(int nID) const = 0;
    virtual int GetCheck(int nID) const = 0;
    virtual void SetCheck(int nID, int nCheck) = 0;
    virtual void EnableControl(int nID, BOOL bEnable) = 0;
    virtual BOOL IsControlEnabled(int nID) const = 0;
    virtual void SetFocusTo(int nID) = 0;
    // The ID of the control that has the focus, or 0.
    virtual int GetFocus() const = 0;
    virtual void SelectAllText(int nID) = 0;
    virtual void SetIcon(HICON hIcon, BOOL bBigIcon) = 0;
    // The window's title, in place of the template's caption. A backend that cannot
    // retitle a window keeps the template's.
    virtual void SetCaption(const CDisplayText&) {}

    // List boxes hold rows in the order given; the framework decides sorted places and
    // passes only indexes from 0 to the row count.
    virtual void ListResetContent(int nID) = 0;
    virtual void ListInsertString(int nID, int nIndex, const CString& strText) = 0;
    virtual void ListSetStrings(int nID, std::vector<CString> rows) = 0;
    virtual int ListGetCount(int nID) const = 0;
    virtual CString ListGetText(int nID, int nIndex) const = 0;
    virtual int ListGetCurSel(int nID) const = 0;
    virtual void ListSetCurSel(int nID, int nIndex) = 0;
};

class IWindowBackend {
public:
    virtual ~IWindowBackend() = default;
    // pOwner is the window the new dialog belongs to, or null.
    virtual std::unique_ptr<IDialogWindow> CreateDialogWindow(const DialogTemplate& tmpl, IDialogSite& site,
                                                              IDialogWindow* pOwner) = 0;
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
