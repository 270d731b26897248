#pragma once

#include "DialogWindow.h"
#include "Win32Dialog.h"

#include <string>
#include <vector>

// A dialog of the Win32 backend: a dialog-manager window made from the template, whose
// controls report clicks, edits and list selections to the dialog object.
class CWin32DialogWindow : public CDialogWindow {
public:
    CWin32DialogWindow(const DialogTemplate& tmpl, IDialogSite& site, HWND__* hOwner);

    // The window while the dialog runs, else null.
    HWND__* Handle() const { return m_dialog.Handle(); }

private:
    Win32DialogEvents Events();
    int RunWindow() override;
    void CloseWindow(int nResult) override;
    void ShowCaption(const std::u16string& strCaption) override;
    void ShowIcon(HICON hIcon, BOOL bBigIcon) override;

    void OnCommand(int nID, int nCode, bool bFromControl) noexcept;
    // Whether a control of this kind reports nCode to the dialog object.
    static bool IsReported(ControlKind kind, int nCode);

    std::u16string ShownText(std::size_t nControl) const override;
    void ShowText(std::size_t nControl, const std::u16string& strShown) override;
    void ShowRows(std::size_t nControl, int nAt, const std::vector<std::u16string>& rows) override;
    int ShownState(std::size_t nControl, ControlState state) const override;
    void ShowState(std::size_t nControl, ControlState state, int nValue) override;

    HWND__* m_hOwner;
    CWin32Dialog m_dialog;
};
