#include "Win32DialogWindow.h"

#include "DialogTemplateBuilder.h"
#include "Win32Accessibility.h"
#include "Win32Text.h"

namespace {
std::wstring Wide(const std::u16string& strText) { return CWin32Text::Wide(strText); }
std::u16string Utf16(const std::wstring& strText) { return CWin32Text::Utf16(strText); }

Win32ControlState NativeState(ControlState state)
{
    static constexpr Win32ControlState kStates[] = {Win32ControlState::Checked, Win32ControlState::Enabled,
                                                    Win32ControlState::Focused, Win32ControlState::SelectedRow};
    return kStates[static_cast<int>(state)];
}
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

std::u16string CWin32DialogWindow::ShownText(std::size_t nControl) const
{
    return Utf16(m_dialog.GetText(TemplateAt(nControl).nID));
}

void CWin32DialogWindow::ShowText(std::size_t nControl, const std::u16string& strShown)
{
    m_dialog.SetText(TemplateAt(nControl).nID, Wide(strShown));
}

void CWin32DialogWindow::ShowRows(std::size_t nControl, int nAt, const std::vector<std::u16string>& rows)
{
    const int nID = TemplateAt(nControl).nID;
    std::vector<std::wstring> shown;
    shown.reserve(rows.size());
    for (const std::u16string& strRow : rows)
        shown.push_back(Wide(strRow));
    if (nAt < 0)
        m_dialog.ListSetAll(nID, shown);
    for (std::size_t i = 0; nAt >= 0 && i < shown.size(); ++i)
        m_dialog.ListInsert(nID, nAt + static_cast<int>(i), shown[i]);
}

int CWin32DialogWindow::ShownState(std::size_t nControl, ControlState state) const
{
    return m_dialog.GetState(TemplateAt(nControl).nID, NativeState(state));
}

void CWin32DialogWindow::ShowState(std::size_t nControl, ControlState state, int nValue)
{
    m_dialog.SetState(TemplateAt(nControl).nID, NativeState(state), nValue);
}
