#pragma once

#include "Backend.h"
#include "Win32Dialog.h"

#include <exception>
#include <string>
#include <vector>

// A dialog of the Win32 backend: a dialog-manager window made from the template, whose
// controls report clicks, edits and list selections to the dialog object.
class CWin32DialogWindow : public IDialogWindow, private IWin32DialogEvents {
public:
    CWin32DialogWindow(const DialogTemplate& tmpl, IDialogSite& site, HWND__* hOwner);

    // The window while the dialog runs, else null.
    HWND__* Handle() const { return m_dialog.Handle(); }

    int RunModal() override;
    void EndModal(int nResult) override;
    bool HasControl(int nID) const override;
    void SetText(int nID, const CString& strText) override;
    CString GetText(int nID) const override;
    int GetCheck(int nID) const override;
    void SetCheck(int nID, int nCheck) override;
    void EnableControl(int nID, BOOL bEnable) override;
    BOOL IsControlEnabled(int nID) const override;
    void SetFocusTo(int nID) override;
    int GetFocus() const override;
    void SelectAllText(int nID) override;
    void SetCaption(const CString& strCaption) override;
    void SetIcon(HICON hIcon, BOOL bBigIcon) override;
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
        // The 8-bit text the program last set and how it was shown, so an untouched
        // text reads back byte for byte even where the code page has no character.
        CString strSet;
        std::wstring strShown;
        std::vector<CString> rows;  // list boxes: the rows as the program gave them
    };

    void OnDialogInit() noexcept override;
    void OnDialogCommand(int nID, int nCode, bool bFromControl) noexcept override;
    void OnDialogKey(Win32DialogKey key) noexcept override;
    // Whether a control of this kind reports nCode to the dialog object.
    static bool IsReported(ControlKind kind, int nCode);
    void Notify(int nID, int nCode) noexcept;
    void Capture() noexcept;
    void RethrowPending();
    Control* Find(int nID);
    const Control* Find(int nID) const;
    Control* FindList(int nID);
    const Control* FindList(int nID) const;

    const DialogTemplate& m_tmpl;
    IDialogSite& m_site;
    HWND__* m_hOwner;
    CWin32Dialog m_dialog;
    std::vector<Control> m_controls;
    // Set while the program changes a control: a handler that fails then is reported
    // to the program's call rather than ending the dialog.
    int m_nProgramChange = 0;
    std::exception_ptr m_pendingException;
};
