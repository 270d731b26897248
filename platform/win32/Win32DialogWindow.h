#pragma once

#include "DialogWindowBase.h"
#include "Win32Dialog.h"

#include <string>
#include <vector>

// A dialog of the Win32 backend: a dialog-manager window made from the template, whose
// controls report clicks, edits and list selections to the dialog object.
class CWin32DialogWindow : public CDialogWindowBase {
public:
    CWin32DialogWindow(const DialogTemplate& tmpl, IDialogSite& site, HWND__* hOwner);

    // The window while the dialog runs, else null.
    HWND__* Handle() const { return m_dialog.Handle(); }

    int RunModal() override;
    int GetCheck(int nID) const override;
    void SetCheck(int nID, int nCheck) override;
    void EnableControl(int nID, BOOL bEnable) override;
    BOOL IsControlEnabled(int nID) const override;
    void SetFocusTo(int nID) override;
    int GetFocus() const override;
    void SelectAllText(int nID) override;
    void SetCaption(const CDisplayText& strCaption) override;

private:
    Win32DialogEvents Events();
    void OnCommand(int nID, int nCode, bool bFromControl) noexcept;
    // Whether a control of this kind reports nCode to the dialog object.
    static bool IsReported(ControlKind kind, int nCode);
    bool IsCheckBox(int nID) const;

    std::u16string ToShown(const CString& strText) const override;
    CString FromShown(const std::u16string& strShown) const override;
    std::u16string ShownText(std::size_t nControl) const override;
    void ShowText(std::size_t nControl, const std::u16string& strShown) override;
    void ShowRows(std::size_t nControl, const std::vector<std::u16string>& rows) override;
    void ShowRowAt(std::size_t nControl, int nIndex, const std::u16string& strShown) override;
    void ShowSelectedRow(std::size_t nControl, int nIndex) override;
    int SelectedRow(std::size_t nControl) const override;
    void CloseWindow(int nResult) override;
    void ShowIcon(HICON hIcon, BOOL bBigIcon) override;

    HWND__* m_hOwner;
    CWin32Dialog m_dialog;
};
