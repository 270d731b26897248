#include "Win32DialogWindow.h"

#include "DialogTemplateBuilder.h"
#include "Win32Accessibility.h"
#include "Win32Text.h"

#include <windows.h>

namespace {
std::wstring Wide(const std::u16string& strText) { return CWin32Text::Wide(strText); }
std::u16string Utf16(const std::wstring& strText) { return CWin32Text::Utf16(strText); }
}  // namespace

CWin32DialogWindow::CWin32DialogWindow(const DialogTemplate& tmpl, IDialogSite& site, HWND__* hOwner)
    : CDialogWindow(tmpl, site), m_hOwner(hOwner), m_dialog(CDialogTemplateBuilder::Build(tmpl), Events())
{
}

Win32DialogEvents CWin32DialogWindow::Events()
{
    static constexpr DialogKey kKeys[] = {DialogKey::Enter,    DialogKey::Escape,   DialogKey::Tab,
                                          DialogKey::ShiftTab, DialogKey::CloseBox, DialogKey::Help};
    Win32DialogEvents events;
    events.onInit = [this] {
        // The window exists only now, so only now are the texts it shows known.
        RecordTemplateTexts();
        CWin32Accessibility::Annotate(m_tmpl, m_dialog.Handle());
        Deliver([&] { m_site.SiteInitDialog(); });
    };
    events.onShown = [this] { Deliver([&] { m_site.SiteShown(); }); };
    events.onCommand = [this](int nID, int nCode, bool bFromControl) { OnCommand(nID, nCode, bFromControl); };
    events.onKey = [this](Win32DialogKey key) { Deliver([&] { m_site.SiteKey(kKeys[static_cast<int>(key)]); }); };
    return events;
}

int CWin32DialogWindow::RunWindow() { return m_dialog.RunModal(m_hOwner); }

void CWin32DialogWindow::CloseWindow(int nResult)
{
    m_dialog.End(nResult);
}

bool CWin32DialogWindow::IsReported(ControlKind kind, int nCode)
{
    switch (kind) {
    case ControlKind::Edit:
        return nCode == EN_CHANGE;
    case ControlKind::ListBox:
        return nCode == LBN_SELCHANGE || nCode == LBN_DBLCLK;
    case ControlKind::Static:
    case ControlKind::Icon:
    case ControlKind::GroupBox:
        return false;
    default:
        return nCode == BN_CLICKED;
    }
}

void CWin32DialogWindow::OnCommand(int nID, int nCode, bool bFromControl) noexcept
{
    const std::size_t n = IndexOf(nID);
    if (n != npos && bFromControl) {
        if (IsReported(TemplateAt(n).kind, nCode))
            Notify(nID, nCode);
        return;
    }
    // A menu command has code 0, an accelerator 1.
    if (nCode == 0 || nCode == 1)
        Notify(nID, BN_CLICKED);
}

void CWin32DialogWindow::ShowCaption(const std::u16string& strCaption) { m_dialog.SetCaption(Wide(strCaption)); }

void CWin32DialogWindow::ShowIcon(HICON hIcon, BOOL bBigIcon)
{
    m_dialog.SetIcon(hIcon ? hIcon->nID : 0, bBigIcon != FALSE);
}

HWND__* CWin32DialogWindow::Item(std::size_t nControl) const { return m_dialog.Item(TemplateAt(nControl).nID); }

std::u16string CWin32DialogWindow::ShownText(std::size_t nControl) const
{
    HWND hItem = Item(nControl);
    if (!hItem)
        return std::u16string();
    const int nLength = ::GetWindowTextLengthW(hItem);
    std::wstring strText(static_cast<std::size_t>(nLength) + 1, L'\0');
    strText.resize(static_cast<std::size_t>(::GetWindowTextW(hItem, strText.data(), nLength + 1)));
    return Utf16(strText);
}

void CWin32DialogWindow::ShowText(std::size_t nControl, const std::u16string& strShown)
{
    if (HWND hItem = Item(nControl))
        ::SetWindowTextW(hItem, Wide(strShown).c_str());
}

void CWin32DialogWindow::ShowRows(std::size_t nControl, int nAt, const std::vector<std::u16string>& rows)
{
    HWND hItem = Item(nControl);
    if (!hItem)
        return;
    std::vector<std::wstring> shown;
    shown.reserve(rows.size());
    std::size_t nChars = 0;
    for (const std::u16string& strRow : rows) {
        shown.push_back(Wide(strRow));
        nChars += shown.back().size() + 1;
    }
    if (nAt >= 0) {
        for (std::size_t i = 0; i < shown.size(); ++i)
            ::SendMessageW(hItem, LB_INSERTSTRING, static_cast<WPARAM>(nAt) + i, reinterpret_cast<LPARAM>(shown[i].c_str()));
        return;
    }
    // One repaint for the whole list rather than one per row.
    ::SendMessageW(hItem, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(hItem, LB_RESETCONTENT, 0, 0);
    ::SendMessageW(hItem, LB_INITSTORAGE, shown.size(), static_cast<LPARAM>(nChars * sizeof(wchar_t)));
    for (const std::wstring& strRow : shown)
        ::SendMessageW(hItem, LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(strRow.c_str()));
    ::SendMessageW(hItem, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(hItem, nullptr, TRUE);
}

int CWin32DialogWindow::ShownState(std::size_t nControl, ControlState state) const
{
    HWND hItem = Item(nControl);
    if (!hItem)
        return state == ControlState::SelectedRow ? -1 : 0;
    switch (state) {
    case ControlState::Checked:
        return ::SendMessageW(hItem, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    case ControlState::Enabled:
        return ::IsWindowEnabled(hItem) ? 1 : 0;
    case ControlState::Focused: {
        // The focus may be on a window inside the control.
        HWND hFocus = ::GetFocus();
        while (hFocus && ::GetParent(hFocus) != m_dialog.Handle())
            hFocus = ::GetParent(hFocus);
        return hFocus == hItem ? 1 : 0;
    }
    case ControlState::SelectedRow: {
        const LRESULT nSel = ::SendMessageW(hItem, LB_GETCURSEL, 0, 0);
        return nSel == LB_ERR ? -1 : static_cast<int>(nSel);
    }
    }
    return 0;
}

void CWin32DialogWindow::ShowState(std::size_t nControl, ControlState state, int nValue)
{
    HWND hItem = Item(nControl);
    if (!hItem)
        return;
    switch (state) {
    case ControlState::Checked:
        ::SendMessageW(hItem, BM_SETCHECK, nValue ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case ControlState::Enabled:
        ::EnableWindow(hItem, nValue ? TRUE : FALSE);
        break;
    case ControlState::Focused:
        // Through the dialog manager, so that the default button follows the focus.
        ::SendMessageW(m_dialog.Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hItem), TRUE);
        if (TemplateAt(nControl).kind == ControlKind::Edit)
            ::SendMessageW(hItem, EM_SETSEL, 0, -1);
        break;
    case ControlState::SelectedRow:
        ::SendMessageW(hItem, LB_SETCURSEL, static_cast<WPARAM>(nValue), 0);
        break;
    }
}
