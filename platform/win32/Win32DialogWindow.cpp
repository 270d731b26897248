#include "Win32DialogWindow.h"

#include "DialogTemplateBuilder.h"
#include "NativeFile.h"
#include "Win32Accessibility.h"

namespace {
bool HasText(ControlKind kind)
{
    return kind != ControlKind::Edit && kind != ControlKind::ListBox && kind != ControlKind::Icon;
}

std::wstring Shown(const CString& strText) { return CNativeFile::Wide(strText.Str()); }
}  // namespace

CWin32DialogWindow::CWin32DialogWindow(const DialogTemplate& tmpl, IDialogSite& site, HWND__* hOwner)
    : m_tmpl(tmpl), m_site(site), m_hOwner(hOwner), m_dialog(CDialogTemplateBuilder::Build(tmpl), *this)
{
    m_controls.reserve(tmpl.controls.size());
    for (const ControlTemplate& ct : tmpl.controls) {
        Control ctl{&ct, "", std::wstring(), {}};
        if (HasText(ct.kind) && ct.pszText) {
            ctl.strSet = ct.pszText;
            ctl.strShown = Shown(ctl.strSet);
        }
        m_controls.push_back(std::move(ctl));
    }
}

int CWin32DialogWindow::RunModal()
{
    const int nResult = m_dialog.RunModal(m_hOwner);
    RethrowPending();
    return nResult;
}

void CWin32DialogWindow::EndModal(int nResult) { m_dialog.End(nResult); }

void CWin32DialogWindow::OnDialogInit() noexcept
{
    CWin32Accessibility::Annotate(m_tmpl, m_dialog.Handle());
    try {
        m_site.SiteInitDialog();
    } catch (...) {
        Capture();
        m_dialog.End(IDCANCEL);
    }
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

void CWin32DialogWindow::OnDialogCommand(int nID, int nCode, bool bFromControl) noexcept
{
    const Control* pCtl = Find(nID);
    if (pCtl && bFromControl) {
        if (IsReported(pCtl->pTmpl->kind, nCode))
            Notify(nID, nCode);
        return;
    }
    // A menu command has code 0, an accelerator 1.
    if (nCode == 0 || nCode == 1)
        Notify(nID, BN_CLICKED);
}

void CWin32DialogWindow::OnDialogKey(Win32DialogKey key) noexcept
{
    static constexpr DialogKey kKeys[] = {DialogKey::Enter,    DialogKey::Escape,   DialogKey::Tab,
                                          DialogKey::ShiftTab, DialogKey::CloseBox, DialogKey::Help};
    try {
        m_site.SiteKey(kKeys[static_cast<int>(key)]);
    } catch (...) {
        Capture();
        m_dialog.End(IDCANCEL);
    }
}

void CWin32DialogWindow::Notify(int nID, int nCode) noexcept
{
    try {
        m_site.SiteCommand(nID, nCode);
    } catch (...) {
        // Carried to the end of the modal loop, or of the program's own change that
        // raised it; it must not unwind through the dialog manager.
        Capture();
        if (m_nProgramChange == 0)
            m_dialog.End(IDCANCEL);
    }
}

void CWin32DialogWindow::Capture() noexcept
{
    if (!m_pendingException)
        m_pendingException = std::current_exception();
}

void CWin32DialogWindow::RethrowPending()
{
    if (!m_pendingException)
        return;
    std::exception_ptr pending = m_pendingException;
    m_pendingException = nullptr;
    std::rethrow_exception(pending);
}

CWin32DialogWindow::Control* CWin32DialogWindow::Find(int nID)
{
    for (Control& ctl : m_controls)
        if (ctl.pTmpl->nID == nID && nID != -1)
            return &ctl;
    return nullptr;
}

const CWin32DialogWindow::Control* CWin32DialogWindow::Find(int nID) const
{
    return const_cast<CWin32DialogWindow*>(this)->Find(nID);
}

CWin32DialogWindow::Control* CWin32DialogWindow::FindList(int nID)
{
    Control* pCtl = Find(nID);
    return pCtl && pCtl->pTmpl->kind == ControlKind::ListBox ? pCtl : nullptr;
}

const CWin32DialogWindow::Control* CWin32DialogWindow::FindList(int nID) const
{
    return const_cast<CWin32DialogWindow*>(this)->FindList(nID);
}

bool CWin32DialogWindow::HasControl(int nID) const { return Find(nID) != nullptr; }

void CWin32DialogWindow::SetText(int nID, const CString& strText)
{
    Control* pCtl = Find(nID);
    if (!pCtl || pCtl->pTmpl->kind == ControlKind::ListBox || pCtl->pTmpl->kind == ControlKind::Icon)
        return;
    const std::wstring strShown = Shown(strText);
    pCtl->strSet = strText;
    pCtl->strShown = strShown;
    // An edit box raises EN_CHANGE for any text it is given, the same one included.
    if (m_dialog.GetText(nID) == strShown)
        return;
    ++m_nProgramChange;
    m_dialog.SetText(nID, strShown);
    --m_nProgramChange;
    RethrowPending();
}

CString CWin32DialogWindow::GetText(int nID) const
{
    const Control* pCtl = Find(nID);
    if (!pCtl || pCtl->pTmpl->kind == ControlKind::ListBox || pCtl->pTmpl->kind == ControlKind::Icon)
        return CString();
    const std::wstring strShown = m_dialog.GetText(nID);
    return strShown == pCtl->strShown ? pCtl->strSet : CString(CNativeFile::Ansi(strShown));
}

int CWin32DialogWindow::GetCheck(int nID) const
{
    const Control* pCtl = Find(nID);
    return pCtl && pCtl->pTmpl->kind == ControlKind::AutoCheckBox ? m_dialog.GetCheck(nID) : 0;
}

void CWin32DialogWindow::SetCheck(int nID, int nCheck)
{
    const Control* pCtl = Find(nID);
    if (pCtl && pCtl->pTmpl->kind == ControlKind::AutoCheckBox)
        m_dialog.SetCheck(nID, nCheck);
}

void CWin32DialogWindow::EnableControl(int nID, BOOL bEnable)
{
    if (Find(nID))
        m_dialog.Enable(nID, bEnable != FALSE);
}

BOOL CWin32DialogWindow::IsControlEnabled(int nID) const { return Find(nID) && m_dialog.IsEnabled(nID) ? TRUE : FALSE; }

void CWin32DialogWindow::SetFocusTo(int nID)
{
    if (Find(nID))
        m_dialog.Focus(nID);
}

int CWin32DialogWindow::GetFocus() const
{
    const int nID = m_dialog.FocusedID();
    return Find(nID) ? nID : 0;
}

void CWin32DialogWindow::SetCaption(const CString& strCaption) { m_dialog.SetCaption(Shown(strCaption)); }

void CWin32DialogWindow::SelectAllText(int nID)
{
    if (Find(nID))
        m_dialog.SelectAll(nID);
}

void CWin32DialogWindow::SetIcon(HICON hIcon, BOOL bBigIcon) { m_dialog.SetIcon(hIcon ? hIcon->nID : 0, bBigIcon != FALSE); }

void CWin32DialogWindow::ListResetContent(int nID)
{
    if (Control* pCtl = FindList(nID)) {
        m_dialog.ListReset(nID);
        pCtl->rows.clear();
    }
}

void CWin32DialogWindow::ListInsertString(int nID, int nIndex, const CString& strText)
{
    Control* pCtl = FindList(nID);
    if (!pCtl)
        return;
    const int nCount = static_cast<int>(pCtl->rows.size());
    const int nAt = nIndex < 0 || nIndex > nCount ? nCount : nIndex;
    pCtl->rows.insert(pCtl->rows.begin() + nAt, strText);
    m_dialog.ListInsert(nID, nAt, Shown(strText));
}

void CWin32DialogWindow::ListSetStrings(int nID, std::vector<CString> rows)
{
    Control* pCtl = FindList(nID);
    if (!pCtl)
        return;
    std::vector<std::wstring> shown;
    shown.reserve(rows.size());
    for (const CString& strRow : rows)
        shown.push_back(Shown(strRow));
    m_dialog.ListSetAll(nID, shown);
    pCtl->rows = std::move(rows);
}

int CWin32DialogWindow::ListGetCount(int nID) const
{
    const Control* pCtl = FindList(nID);
    return pCtl ? static_cast<int>(pCtl->rows.size()) : 0;
}

CString CWin32DialogWindow::ListGetText(int nID, int nIndex) const
{
    const Control* pCtl = FindList(nID);
    if (!pCtl || nIndex < 0 || nIndex >= static_cast<int>(pCtl->rows.size()))
        return CString();
    return pCtl->rows[static_cast<std::size_t>(nIndex)];
}

int CWin32DialogWindow::ListGetCurSel(int nID) const
{
    return FindList(nID) ? m_dialog.ListGetCurSel(nID) : -1;
}

void CWin32DialogWindow::ListSetCurSel(int nID, int nIndex)
{
    Control* pCtl = FindList(nID);
    if (!pCtl)
        return;
    const bool bInside = nIndex >= 0 && nIndex < static_cast<int>(pCtl->rows.size());
    m_dialog.ListSetCurSel(nID, bInside ? nIndex : -1);
}
