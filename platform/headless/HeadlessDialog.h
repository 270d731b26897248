#pragma once

#include "Backend.h"

#include <map>
#include <vector>

class CHeadlessBackend;

// A dialog window held in memory. Tests drive it as a user would (type, click, pick a
// row, press Enter or Esc) and read back what its controls show.
class CHeadlessDialog : public IDialogWindow {
public:
    CHeadlessDialog(CHeadlessBackend& backend, const DialogTemplate& tmpl, IDialogSite& site);

    // What the user does. Actions on a disabled or missing control do nothing (a missing
    // one is recorded as a script failure).
    void Click(int nID);  // a push button, or a check box (which toggles first)
    void Type(int nID, const CString& strText);  // replaces the text, EN_CHANGE if it differs
    // Clicks at the end of an edit box's text and types there, key by key; a key the box
    // refuses (a letter in a digits-only box) is dropped.
    void TypeKeys(int nID, const CString& strKeys);
    void SelectRow(int nID, int nRow);  // LBN_SELCHANGE
    void DoubleClickRow(int nID, int nRow);
    // A key, or the close box; the framework decides what it does.
    void Press(DialogKey key);
    void PressEnter() { Press(DialogKey::Enter); }
    void PressEscape() { Press(DialogKey::Escape); }
    void CloseBox() { Press(DialogKey::CloseBox); }
    void SetFocusTo(int nID) override;
    int GetFocus() const override;

    // What the window shows.
    CString Text(int nID) const { return GetText(nID); }
    bool Checked(int nID) const { return GetCheck(nID) != 0; }
    bool Enabled(int nID) const { return IsControlEnabled(nID) != FALSE; }
    std::vector<CString> Rows(int nID) const;
    int CurSel(int nID) const { return ListGetCurSel(nID); }
    int Focus() const { return m_nFocus; }
    // The selection of an edit box as [start, end).
    std::pair<int, int> Selection(int nID) const;
    HICON BigIcon() const { return m_hBigIcon; }
    HICON SmallIcon() const { return m_hSmallIcon; }
    CString Caption() const { return m_strCaption; }
    bool IsEnded() const { return m_bEnded; }
    int Result() const { return m_nResult; }

    // IDialogWindow.
    int RunModal() override;
    void EndModal(int nResult) override;
    bool HasControl(int nID) const override;
    void SetText(int nID, const CString& strText) override;
    CString GetText(int nID) const override;
    int GetCheck(int nID) const override;
    void SetCheck(int nID, int nCheck) override;
    void EnableControl(int nID, BOOL bEnable) override;
    BOOL IsControlEnabled(int nID) const override;
    void SelectAllText(int nID) override;
    void SetIcon(HICON hIcon, BOOL bBigIcon) override;
    void SetCaption(const CString& strText) override { m_strCaption = strText; }
    void ListResetContent(int nID) override;
    void ListInsertString(int nID, int nIndex, const CString& strText) override;
    void ListSetStrings(int nID, std::vector<CString> rows) override;
    int ListGetCount(int nID) const override;
    CString ListGetText(int nID, int nIndex) const override;
    int ListGetCurSel(int nID) const override;
    void ListSetCurSel(int nID, int nIndex) override;

private:
    struct Control {
        const ControlTemplate* pTmpl;
        CString strText;
        int nCheck = 0;
        bool bEnabled = true;
        std::vector<CString> rows;
        int nCurSel = -1;
        std::pair<int, int> selection{0, 0};
    };
    Control* Find(int nID);
    const Control* Find(int nID) const;
    Control* FindForUser(int nID, const char* pszAction);

    CHeadlessBackend& m_backend;
    const DialogTemplate& m_tmpl;
    IDialogSite& m_site;
    std::map<int, Control> m_controls;
    int m_nFocus = 0;
    HICON m_hBigIcon = nullptr;
    HICON m_hSmallIcon = nullptr;
    CString m_strCaption;
    bool m_bEnded = false;
    int m_nResult = 0;
};
