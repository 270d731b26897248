#include "DialogWindowBase.h"

#include "ScopedCount.h"

namespace {
bool HoldsText(ControlKind kind) { return kind != ControlKind::ListBox && kind != ControlKind::Icon; }
}  // namespace

CDialogWindowBase::CDialogWindowBase(const DialogTemplate& tmpl, IDialogSite& site)
    : m_tmpl(tmpl), m_site(site), m_controls(tmpl.controls.size())
{
}

void CDialogWindowBase::RecordTemplateTexts()
{
    for (std::size_t n = 0; n < m_controls.size(); ++n) {
        const ControlTemplate& ct = m_tmpl.controls[n];
        if (HoldsText(ct.kind) && ct.kind != ControlKind::Edit && ct.pszText) {
            m_controls[n].strSet = ct.pszText;
            m_controls[n].strShown = ShownText(n);
        }
    }
}

std::size_t CDialogWindowBase::IndexOf(int nID) const
{
    for (std::size_t n = 0; nID != -1 && n < m_tmpl.controls.size(); ++n)
        if (m_tmpl.controls[n].nID == nID)
            return n;
    return npos;
}

std::size_t CDialogWindowBase::TextIndexOf(int nID) const
{
    const std::size_t n = IndexOf(nID);
    return n != npos && HoldsText(m_tmpl.controls[n].kind) ? n : npos;
}

std::size_t CDialogWindowBase::ListIndexOf(int nID) const
{
    const std::size_t n = IndexOf(nID);
    return n != npos && m_tmpl.controls[n].kind == ControlKind::ListBox ? n : npos;
}

void CDialogWindowBase::Notify(int nID, int nCode) noexcept
{
    Deliver([&] { m_site.SiteCommand(nID, nCode); });
}

void CDialogWindowBase::KeepFailure() noexcept
{
    if (!m_pendingException)
        m_pendingException = std::current_exception();
    if (m_nProgramChange == 0)
        EndModal(IDCANCEL);
}

void CDialogWindowBase::RethrowPending()
{
    if (!m_pendingException)
        return;
    std::exception_ptr pending = m_pendingException;
    m_pendingException = nullptr;
    std::rethrow_exception(pending);
}

bool CDialogWindowBase::HasControl(int nID) const { return IndexOf(nID) != npos; }

void CDialogWindowBase::SetText(int nID, const CString& strText)
{
    const std::size_t n = TextIndexOf(nID);
    if (n == npos)
        return;
    ControlState& ctl = m_controls[n];
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

CString CDialogWindowBase::GetText(int nID) const
{
    const std::size_t n = TextIndexOf(nID);
    if (n == npos)
        return CString();
    const std::u16string strShown = ShownText(n);
    return strShown == m_controls[n].strShown ? m_controls[n].strSet : FromShown(strShown);
}

void CDialogWindowBase::ListResetContent(int nID) { ListSetStrings(nID, {}); }

void CDialogWindowBase::ListInsertString(int nID, int nIndex, const CString& strText)
{
    const std::size_t n = ListIndexOf(nID);
    if (n == npos)
        return;
    std::vector<CString>& rows = m_controls[n].rows;
    if (nIndex < 0 || nIndex > static_cast<int>(rows.size()))
        return;  // the framework never asks for a place outside the list
    rows.insert(rows.begin() + nIndex, strText);
    CScopedCount programChange(m_nProgramChange);
    ShowRowAt(n, nIndex, ToShown(strText));
}

void CDialogWindowBase::ListSetStrings(int nID, std::vector<CString> rows)
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
    ShowRows(n, shown);
}

int CDialogWindowBase::ListGetCount(int nID) const
{
    const std::size_t n = ListIndexOf(nID);
    return n == npos ? 0 : static_cast<int>(m_controls[n].rows.size());
}

CString CDialogWindowBase::ListGetText(int nID, int nIndex) const
{
    const std::size_t n = ListIndexOf(nID);
    if (n == npos || nIndex < 0 || nIndex >= static_cast<int>(m_controls[n].rows.size()))
        return CString();
    return m_controls[n].rows[static_cast<std::size_t>(nIndex)];
}

int CDialogWindowBase::ListGetCurSel(int nID) const
{
    const std::size_t n = ListIndexOf(nID);
    return n == npos ? -1 : SelectedRow(n);
}

void CDialogWindowBase::ListSetCurSel(int nID, int nIndex)
{
    const std::size_t n = ListIndexOf(nID);
    if (n == npos)
        return;
    const bool bInside = nIndex >= 0 && nIndex < static_cast<int>(m_controls[n].rows.size());
    CScopedCount programChange(m_nProgramChange);
    ShowSelectedRow(n, bInside ? nIndex : -1);
}

void CDialogWindowBase::EndModal(int nResult)
{
    if (m_bEnded)
        return;
    m_bEnded = true;
    m_nResult = nResult;
    CloseWindow(nResult);
}

void CDialogWindowBase::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    (bBigIcon ? m_hBigIcon : m_hSmallIcon) = hIcon;
    ShowIcon(hIcon, bBigIcon);
}

std::u16string CDialogWindowBase::ToShown(const CString& strText) const
{
    std::u16string strShown;
    for (const char ch : strText.Str())
        strShown.push_back(static_cast<unsigned char>(ch));
    return strShown;
}

CString CDialogWindowBase::FromShown(const std::u16string& strShown) const
{
    std::string bytes;
    for (const char16_t ch : strShown)
        bytes.push_back(static_cast<char>(ch));
    return CString(bytes);
}
