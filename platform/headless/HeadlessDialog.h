#pragma once

#include "DialogWindow.h"

#include <functional>
#include <vector>

class CHeadlessDialog;
using HeadlessScript = std::function<void(CHeadlessDialog&)>;

// What a dialog asks of the backend that runs it: the script that acts as the user for
// its template, and a record of what went wrong.
class IHeadlessScripts {
public:
    virtual void DialogOpened(UINT nTemplateID) = 0;
    virtual bool TakeScript(UINT nTemplateID, HeadlessScript& script) = 0;
    virtual void Fail(const CString& strWhat) = 0;

protected:
    ~IHeadlessScripts() = default;
};

// A dialog window held in memory. Tests drive it as a user would (type, click, pick a
// row, press Enter or Esc) and read back what its controls show.
class CHeadlessDialog : public CDialogWindow {
public:
    CHeadlessDialog(IHeadlessScripts& backend, const DialogTemplate& tmpl, IDialogSite& site);

    // What the user does. Actions on a disabled or missing control do nothing (a missing
    // one is recorded as a script failure).
    void Click(int nID);  // a push button, or a check box (which toggles first)
    void Type(int nID, const CString& strText);  // replaces the text, EN_CHANGE if it differs
    // Clicks at the end of an edit box's text and types there, key by key, a key being
    // one character of the system's code page; a key the box refuses (a letter in a
    // digits-only box) is dropped.
    void TypeKeys(int nID, const CString& strKeys);
    void SelectRow(int nID, int nRow);  // LBN_SELCHANGE
    void DoubleClickRow(int nID, int nRow);
    // A key, or the close box; the framework decides what it does.
    void Press(DialogKey key);
    void PressEnter() { Press(DialogKey::Enter); }
    void PressEscape() { Press(DialogKey::Escape); }
    void CloseBox() { Press(DialogKey::CloseBox); }

    // What the window shows.
    CString Text(int nID) const { return GetText(nID); }
    bool Checked(int nID) const { return GetCheck(nID) != 0; }
    bool Enabled(int nID) const { return IsControlEnabled(nID) != FALSE; }
    std::vector<CString> Rows(int nID) const;
    int CurSel(int nID) const { return ListGetCurSel(nID); }
    int Focus() const { return m_nFocus; }
    // The selection of an edit box as [start, end).
    std::pair<int, int> Selection(int nID) const;

private:
    // What the user sees of a control, beside the texts and rows the base keeps.
    struct Control {
        CString strText;
        int nCheck = 0;
        bool bEnabled = true;
        int nCurSel = -1;
        std::pair<int, int> selection{0, 0};
    };
    Control* FindForUser(int nID, const char* pszAction);

    // The script acts as the user once the window is shown.
    int RunWindow() override;
    std::u16string ShownText(std::size_t nControl) const override;
    void ShowText(std::size_t nControl, const std::u16string& strShown) override;
    void ShowRows(std::size_t nControl, int nAt, const std::vector<std::u16string>& rows) override;
    int ShownState(std::size_t nControl, ControlState state) const override;
    void ShowState(std::size_t nControl, ControlState state, int nValue) override;

    IHeadlessScripts& m_backend;
    std::vector<Control> m_controls;  // in template order
    int m_nFocus = 0;
};
