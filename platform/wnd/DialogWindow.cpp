#include "DialogWindow.h"

#include "CodePage.h"
#include "ScopedCount.h"

namespace {
bool HoldsText(ControlKind kind) { return kind != ControlKind::ListBox && kind != ControlKind::Icon; }
}  // namespace

CDialogWindow::CDialogWindow(const DialogTemplate& tmpl, IDialogSite& site, TextForm form)
    : m_tmpl(tmpl), m_site(site), m_form(form), m_controls(tmpl.controls.size()), m_caption(tmpl.pszCaption)
{
}

void CDialogWindow::RecordTemplateTexts()
{
    for (std::size_t n = 0; n < m_controls.size(); ++n) {
        const ControlTemplate& ct = m_tmpl.controls[n];
        if (HoldsText(ct.kind) && ct.kind != ControlKind::Edit && ct.pszText) {
            m_controls[n].strSet = ct.pszText;
            m_controls[n].strShown = ShownText(n);
        }
    }
}

std::size_t CDialogWindow::IndexOf(int nID) const
{
    for (std::size_t n = 0; nID != -1 && n < m_tmpl.controls.size(); ++n)
        if (m_tmpl.controls[n].nID == nID)
            return n;
    return npos;
}

std::size_t CDialogWindow::TextIndexOf(int nID) const
{
    const std::size_t n = IndexOf(nID);
    return n != npos && HoldsText(m_tmpl.controls[n].kind) ? n : npos;
}

std::size_t CDialogWindow::ListIndexOf(int nID) const
{
    const std::size_t n = IndexOf(nID);
    return n != npos && m_tmpl.controls[n].kind == ControlKind::ListBox ? n : npos;
}

void CDialogWindow::Notify(int nID, int nCode) noexcept
{
    Deliver([&] { m_site.SiteCommand(nID, nCode); });
}

void CDialogWindow::KeepFailure() noexcept
{
    if (!m_pendingException)
        m_pendingException = std::current_exception();
    if (m_nProgramChange == 0)
        EndModal(IDCANCEL);
}

void CDialogWindow::RethrowPending()
{
    if (!m_pendingException)
        return;
    std::exception_ptr pending = m_pendingException;
    m_pendingException = nullptr;
    std::rethrow_exception(pending);
}

int CDialogWindow::RunModal()
{
    const int nResult = RunWindow();
    RethrowPending();
    return nResult;
}

void CDialogWindow::EndModal(int nResult)
{
    if (m_bEnded)
        return;
    m_bEnded = true;
    m_nResult = nResult;
    CloseWindow(nResult);
}

void CDialogWindow::SetText(int nID, const CString& strText)
{
    const std::size_t n = TextIndexOf(nID);
    if (n == npos)
        return;
    ControlRecord& ctl = m_controls[n];
    ctl.strSet = strText;
    ctl.strShown = ToShown(strText);
    // An edit box would raise EN_CHANGE for any text it is given, the same one included.
    if (ShownText(n) == ctl.strShown)
        return;
    {
        CScopedCount programChange(m_nProgramChange);
        ShowText(n, ctl.strShown);
    }
    RethrowPending();
}

CString CDialogWindow::GetText(int nID) const
{
    const std::size_t n = TextIndexOf(nID);
    if (n == npos)
        return CString();
    const std::u16string strShown = ShownText(n);
    return strShown == m_controls[n].strShown ? m_controls[n].strSet : FromShown(strShown);
}

int CDialogWindow::GetCheck(int nID) const
{
    const std::size_t n = IndexOf(nID);
    return n != npos && TemplateAt(n).kind == ControlKind::AutoCheckBox ? ShownState(n, ControlState::Checked) : 0;
}

void CDialogWindow::SetCheck(int nID, int nCheck)
{
    const std::size_t n = IndexOf(nID);
    if (n != npos && TemplateAt(n).kind == ControlKind::AutoCheckBox)
        ShowState(n, ControlState::Checked, nCheck != 0 ? 1 : 0);
}

void CDialogWindow::EnableControl(int nID, BOOL bEnable)
{
    if (const std::size_t n = IndexOf(nID); n != npos)
        ShowState(n, ControlState::Enabled, bEnable != FALSE ? 1 : 0);
}

BOOL CDialogWindow::IsControlEnabled(int nID) const
{
    const std::size_t n = IndexOf(nID);
    return n != npos && ShownState(n, ControlState::Enabled) ? TRUE : FALSE;
}

void CDialogWindow::SetFocusTo(int nID)
{
    if (const std::size_t n = IndexOf(nID); n != npos)
        ShowState(n, ControlState::Focused, 1);
}

int CDialogWindow::GetFocus() const
{
    for (std::size_t n = 0; n < m_controls.size(); ++n)
        if (TemplateAt(n).nID != -1 && ShownState(n, ControlState::Focused))
            return TemplateAt(n).nID;
    return 0;
}

void CDialogWindow::SetCaption(const CDisplayText& strCaption)
{
    m_caption = strCaption;
    ShowCaption(strCaption.Utf16());
}

void CDialogWindow::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    (bBigIcon ? m_hBigIcon : m_hSmallIcon) = hIcon;
    ShowIcon(hIcon, bBigIcon);
}

void CDialogWindow::ListInsertString(int nID, int nIndex, const CString& strText)
{
    const std::size_t n = ListIndexOf(nID);
    if (n == npos)
        return;
    std::vector<CString>& rows = m_controls[n].rows;
    if (nIndex < 0 || nIndex > static_cast<int>(rows.size()))
        return;  // the framework never asks for a place outside the list
    rows.insert(rows.begin() + nIndex, strText);
    CScopedCount programChange(m_nProgramChange);
    ShowRows(n, nIndex, {ToShown(strText)});
}

void CDialogWindow::ListSetStrings(int nID, std::vector<CString> rows)
{
    const std::size_t n = ListIndexOf(nID);
    if (n == npos)
        return;
    std::vector<std::u16string> shown;
    shown.reserve(rows.size());
    for (const CString& strRow : rows)
        shown.push_back(ToShown(strRow));
    m_controls[n].rows = std::move(rows);
    CScopedCount programChange(m_nProgramChange);
    ShowRows(n, -1, shown);
}

int CDialogWindow::ListGetCount(int nID) const
{
    const std::size_t n = ListIndexOf(nID);
    return n == npos ? 0 : static_cast<int>(m_controls[n].rows.size());
}

CString CDialogWindow::ListGetText(int nID, int nIndex) const
{
    const std::size_t n = ListIndexOf(nID);
    if (n == npos || nIndex < 0 || nIndex >= static_cast<int>(m_controls[n].rows.size()))
        return CString();
    return m_controls[n].rows[static_cast<std::size_t>(nIndex)];
}

int CDialogWindow::ListGetCurSel(int nID) const
{
    const std::size_t n = ListIndexOf(nID);
    return n == npos ? -1 : ShownState(n, ControlState::SelectedRow);
}

void CDialogWindow::ListSetCurSel(int nID, int nIndex)
{
    const std::size_t n = ListIndexOf(nID);
    if (n == npos)
        return;
    const bool bInside = nIndex >= 0 && nIndex < static_cast<int>(m_controls[n].rows.size());
    CScopedCount programChange(m_nProgramChange);
    ShowState(n, ControlState::SelectedRow, bInside ? nIndex : -1);
}

// The window systems show UTF-16 and take it back through the system's code page; a
// window held in memory shows each byte as the character of its value.
std::u16string CDialogWindow::ToShown(const CString& strText) const
{
    if (m_form == TextForm::CodePage)
        return AnsiToUtf16(strText.Str(), SystemAnsiCodePage());
    std::u16string strShown;
    for (const char ch : strText.Str())
        strShown.push_back(static_cast<unsigned char>(ch));
    return strShown;
}

CString CDialogWindow::FromShown(const std::u16string& strShown) const
{
    if (m_form == TextForm::CodePage)
        return CString(Utf16ToAnsi(strShown, SystemAnsiCodePage()));
    std::string bytes;
    for (const char16_t ch : strShown)
        bytes.push_back(static_cast<char>(ch));
    return CString(bytes);
}
