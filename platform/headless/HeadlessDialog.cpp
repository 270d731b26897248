#include "HeadlessDialog.h"

#include "DialogManager.h"
#include "HeadlessBackend.h"

CHeadlessDialog::CHeadlessDialog(CHeadlessBackend& backend, const DialogTemplate& tmpl, IDialogSite& site)
    : m_backend(backend), m_tmpl(tmpl), m_site(site), m_strCaption(tmpl.pszCaption)
{
    for (const ControlTemplate& c : tmpl.controls) {
        if (c.nID == -1)
            continue;
        Control& ctl = m_controls[c.nID];
        ctl.pTmpl = &c;
        ctl.strText = c.kind == ControlKind::Edit || c.kind == ControlKind::ListBox ? "" : c.pszText;
        ctl.bEnabled = !(c.dwStyle & WS_DISABLED);
    }
}

int CHeadlessDialog::RunModal()
{
    m_backend.m_opened.push_back(m_tmpl.nID);
    m_site.SiteInitDialog();
    if (m_bEnded)
        return m_nResult;
    CHeadlessBackend::Script script;
    if (!m_backend.TakeScript(m_tmpl.nID, script)) {
        EndModal(IDCANCEL);
        return m_nResult;
    }
    script(*this);
    if (!m_bEnded) {
        CString strWhat;
        strWhat.Format("dialog %u was left open by its script", m_tmpl.nID);
        m_backend.Fail(strWhat);
        EndModal(IDCANCEL);
    }
    return m_nResult;
}

void CHeadlessDialog::EndModal(int nResult)
{
    if (m_bEnded)
        return;
    m_bEnded = true;
    m_nResult = nResult;
}

CHeadlessDialog::Control* CHeadlessDialog::Find(int nID)
{
    auto it = m_controls.find(nID);
    return it == m_controls.end() ? nullptr : &it->second;
}

const CHeadlessDialog::Control* CHeadlessDialog::Find(int nID) const
{
    auto it = m_controls.find(nID);
    return it == m_controls.end() ? nullptr : &it->second;
}

CHeadlessDialog::Control* CHeadlessDialog::FindForUser(int nID, const char* pszAction)
{
    Control* pCtl = Find(nID);
    if (!pCtl) {
        CString strWhat;
        strWhat.Format("%s on control %d, which dialog %u does not have", pszAction, nID, m_tmpl.nID);
        m_backend.Fail(strWhat);
        return nullptr;
    }
    if (m_bEnded) {
        CString strWhat;
        strWhat.Format("%s on control %d after dialog %u ended", pszAction, nID, m_tmpl.nID);
        m_backend.Fail(strWhat);
        return nullptr;
    }
    return pCtl->bEnabled ? pCtl : nullptr;
}

void CHeadlessDialog::Click(int nID)
{
    Control* pCtl = FindForUser(nID, "click");
    if (!pCtl)
        return;
    m_nFocus = nID;
    if (pCtl->pTmpl->kind == ControlKind::AutoCheckBox)
        pCtl->nCheck = pCtl->nCheck ? 0 : 1;
    m_site.SiteCommand(nID, BN_CLICKED);
}

void CHeadlessDialog::Type(int nID, const CString& strText)
{
    Control* pCtl = FindForUser(nID, "type");
    if (!pCtl)
        return;
    m_nFocus = nID;
    SetText(nID, strText);
}

void CHeadlessDialog::SelectRow(int nID, int nRow)
{
    Control* pCtl = FindForUser(nID, "select row");
    if (!pCtl || nRow < 0 || nRow >= static_cast<int>(pCtl->rows.size()))
        return;
    m_nFocus = nID;
    pCtl->nCurSel = nRow;
    m_site.SiteCommand(nID, LBN_SELCHANGE);
}

void CHeadlessDialog::DoubleClickRow(int nID, int nRow)
{
    SelectRow(nID, nRow);
    if (!m_bEnded && Find(nID) && Find(nID)->nCurSel == nRow)
        m_site.SiteCommand(nID, LBN_DBLCLK);
}

void CHeadlessDialog::TypeKeys(int nID, const CString& strKeys)
{
    Control* pCtl = FindForUser(nID, "type keys");
    if (!pCtl)
        return;
    m_nFocus = nID;
    pCtl->selection = {pCtl->strText.GetLength(), pCtl->strText.GetLength()};
    for (const char ch : strKeys.Str()) {
        if (m_bEnded || !CDialogManager::EditTakesChar(pCtl->pTmpl->dwStyle, static_cast<unsigned char>(ch)))
            continue;
        // A key replaces the selection and leaves the caret after itself.
        const auto [nStart, nEnd] = pCtl->selection;
        std::string text = pCtl->strText.Str();
        text.replace(static_cast<std::size_t>(nStart), static_cast<std::size_t>(nEnd - nStart), 1, ch);
        SetText(nID, CString(text));
        pCtl->selection = {nStart + 1, nStart + 1};
    }
}

void CHeadlessDialog::Press(DialogKey key) { m_site.SiteKey(key); }

void CHeadlessDialog::SetFocusTo(int nID)
{
    if (Find(nID))
        m_nFocus = nID;
}

int CHeadlessDialog::GetFocus() const { return m_nFocus; }

std::vector<CString> CHeadlessDialog::Rows(int nID) const
{
    const Control* pCtl = Find(nID);
    return pCtl ? pCtl->rows : std::vector<CString>();
}

std::pair<int, int> CHeadlessDialog::Selection(int nID) const
{
    const Control* pCtl = Find(nID);
    return pCtl ? pCtl->selection : std::pair<int, int>(0, 0);
}

bool CHeadlessDialog::HasControl(int nID) const { return Find(nID) != nullptr; }

void CHeadlessDialog::SetText(int nID, const CString& strText)
{
    Control* pCtl = Find(nID);
    if (!pCtl || pCtl->strText == strText)
        return;
    pCtl->strText = strText;
    pCtl->selection = {strText.GetLength(), strText.GetLength()};
    if (pCtl->pTmpl->kind == ControlKind::Edit)
        m_site.SiteCommand(nID, EN_CHANGE);
}

CString CHeadlessDialog::GetText(int nID) const
{
    const Control* pCtl = Find(nID);
    return pCtl ? pCtl->strText : CString();
}

int CHeadlessDialog::GetCheck(int nID) const
{
    const Control* pCtl = Find(nID);
    return pCtl ? pCtl->nCheck : 0;
}

void CHeadlessDialog::SetCheck(int nID, int nCheck)
{
    if (Control* pCtl = Find(nID))
        pCtl->nCheck = nCheck;
}

void CHeadlessDialog::EnableControl(int nID, BOOL bEnable)
{
    if (Control* pCtl = Find(nID))
        pCtl->bEnabled = bEnable != FALSE;
}

BOOL CHeadlessDialog::IsControlEnabled(int nID) const
{
    const Control* pCtl = Find(nID);
    return pCtl && pCtl->bEnabled;
}

void CHeadlessDialog::SelectAllText(int nID)
{
    if (Control* pCtl = Find(nID))
        pCtl->selection = {0, pCtl->strText.GetLength()};
}

void CHeadlessDialog::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    (bBigIcon ? m_hBigIcon : m_hSmallIcon) = hIcon;
}

void CHeadlessDialog::ListResetContent(int nID)
{
    if (Control* pCtl = Find(nID)) {
        pCtl->rows.clear();
        pCtl->nCurSel = -1;
    }
}

void CHeadlessDialog::ListInsertString(int nID, int nIndex, const CString& strText)
{
    Control* pCtl = Find(nID);
    if (!pCtl || nIndex < 0 || nIndex > static_cast<int>(pCtl->rows.size()))
        return;  // the framework never asks for a place outside the list
    pCtl->rows.insert(pCtl->rows.begin() + nIndex, strText);
    if (pCtl->nCurSel >= nIndex)
        ++pCtl->nCurSel;
}

void CHeadlessDialog::ListSetStrings(int nID, std::vector<CString> rows)
{
    if (Control* pCtl = Find(nID)) {
        pCtl->rows = std::move(rows);
        pCtl->nCurSel = -1;
    }
}

int CHeadlessDialog::ListGetCount(int nID) const
{
    const Control* pCtl = Find(nID);
    return pCtl ? static_cast<int>(pCtl->rows.size()) : 0;
}

CString CHeadlessDialog::ListGetText(int nID, int nIndex) const
{
    const Control* pCtl = Find(nID);
    if (!pCtl || nIndex < 0 || nIndex >= static_cast<int>(pCtl->rows.size()))
        return CString();
    return pCtl->rows[static_cast<std::size_t>(nIndex)];
}

int CHeadlessDialog::ListGetCurSel(int nID) const
{
    const Control* pCtl = Find(nID);
    return pCtl ? pCtl->nCurSel : -1;
}

void CHeadlessDialog::ListSetCurSel(int nID, int nIndex)
{
    Control* pCtl = Find(nID);
    if (pCtl)
        pCtl->nCurSel = nIndex >= 0 && nIndex < static_cast<int>(pCtl->rows.size()) ? nIndex : -1;
}
