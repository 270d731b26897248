#include "Win32DialogWindow.h"

#include "DialogTemplateBuilder.h"
#include "NativeFile.h"
#include "Win32Accessibility.h"

namespace {
std::wstring Wide(const std::u16string& strText) { return std::wstring(strText.begin(), strText.end()); }
std::u16string Utf16(const std::wstring& strText) { return std::u16string(strText.begin(), strText.end()); }
}  // namespace

CWin32DialogWindow::CWin32DialogWindow(const DialogTemplate& tmpl, IDialogSite& site, HWND__* hOwner)
    : CDialogWindowBase(tmpl, site), m_hOwner(hOwner), m_dialog(CDialogTemplateBuilder::Build(tmpl), Events())
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

int CWin32DialogWindow::RunModal()
{
    const int nResult = m_dialog.RunModal(m_hOwner);
    RethrowPending();
    return nResult;
}

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

bool CWin32DialogWindow::IsCheckBox(int nID) const
{
    const std::size_t n = IndexOf(nID);
    return n != npos && TemplateAt(n).kind == ControlKind::AutoCheckBox;
}

int CWin32DialogWindow::GetCheck(int nID) const { return IsCheckBox(nID) ? m_dialog.GetCheck(nID) : 0; }

void CWin32DialogWindow::SetCheck(int nID, int nCheck)
{
    if (IsCheckBox(nID))
        m_dialog.SetCheck(nID, nCheck);
}

void CWin32DialogWindow::EnableControl(int nID, BOOL bEnable)
{
    if (HasControl(nID))
        m_dialog.Enable(nID, bEnable != FALSE);
}

BOOL CWin32DialogWindow::IsControlEnabled(int nID) const { return HasControl(nID) && m_dialog.IsEnabled(nID) ? TRUE : FALSE; }

void CWin32DialogWindow::SetFocusTo(int nID)
{
    if (HasControl(nID))
        m_dialog.Focus(nID);
}

int CWin32DialogWindow::GetFocus() const
{
    const int nID = m_dialog.FocusedID();
    return HasControl(nID) ? nID : 0;
}

void CWin32DialogWindow::SetCaption(const CDisplayText& strCaption)
{
    m_dialog.SetCaption(CNativeFile::Wide(strCaption.Str(), strCaption.IsUtf8() ? CNativeFile::Utf8CodePage : 0));
}

void CWin32DialogWindow::SelectAllText(int nID)
{
    if (HasControl(nID))
        m_dialog.SelectAll(nID);
}

void CWin32DialogWindow::ShowIcon(HICON hIcon, BOOL bBigIcon)
{
    m_dialog.SetIcon(hIcon ? hIcon->nID : 0, bBigIcon != FALSE);
}

std::u16string CWin32DialogWindow::ToShown(const CString& strText) const { return Utf16(CNativeFile::Wide(strText.Str())); }

CString CWin32DialogWindow::FromShown(const std::u16string& strShown) const { return CString(CNativeFile::Ansi(Wide(strShown))); }

std::u16string CWin32DialogWindow::ShownText(std::size_t nControl) const
{
    return Utf16(m_dialog.GetText(TemplateAt(nControl).nID));
}

void CWin32DialogWindow::ShowText(std::size_t nControl, const std::u16string& strShown)
{
    m_dialog.SetText(TemplateAt(nControl).nID, Wide(strShown));
}

void CWin32DialogWindow::ShowRows(std::size_t nControl, const std::vector<std::u16string>& rows)
{
    std::vector<std::wstring> shown;
    shown.reserve(rows.size());
    for (const std::u16string& strRow : rows)
        shown.push_back(Wide(strRow));
    m_dialog.ListSetAll(TemplateAt(nControl).nID, shown);
}

void CWin32DialogWindow::ShowRowAt(std::size_t nControl, int nIndex, const std::u16string& strShown)
{
    m_dialog.ListInsert(TemplateAt(nControl).nID, nIndex, Wide(strShown));
}

void CWin32DialogWindow::ShowSelectedRow(std::size_t nControl, int nIndex)
{
    m_dialog.ListSetCurSel(TemplateAt(nControl).nID, nIndex);
}

int CWin32DialogWindow::SelectedRow(std::size_t nControl) const { return m_dialog.ListGetCurSel(TemplateAt(nControl).nID); }
