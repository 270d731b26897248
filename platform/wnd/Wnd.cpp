#include "Wnd.h"

#include "DataExchange.h"
#include "ScopedCount.h"

IDialogWindow* CWnd::GetBackendWindow() const
{
    return m_pOwner ? m_pOwner->GetOwnWindow() : nullptr;
}

bool CWnd::IsUpdatingData() const
{
    return m_pOwner && m_pOwner->m_nUpdateDepth > 0;
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    IDialogWindow* pWnd = GetBackendWindow();
    if (!pWnd)
        return FALSE;
    CScopedCount exchanging(m_pOwner->m_nUpdateDepth);
    CDataExchange dx(this, pWnd, m_pOwner->GetTemplateID(), bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const CUserException&) {
        return FALSE;
    }
    return TRUE;
}

void CWnd::SetDlgItemText(int nID, const CString& strText)
{
    if (IDialogWindow* pWnd = GetBackendWindow())
        pWnd->SetText(nID, strText);
}

CString CWnd::GetDlgItemText(int nID) const
{
    IDialogWindow* pWnd = GetBackendWindow();
    return pWnd ? pWnd->GetText(nID) : CString();
}

void CWnd::CheckDlgButton(int nID, UINT nCheck)
{
    if (IDialogWindow* pWnd = GetBackendWindow())
        pWnd->SetCheck(nID, static_cast<int>(nCheck));
}

UINT CWnd::IsDlgButtonChecked(int nID) const
{
    IDialogWindow* pWnd = GetBackendWindow();
    return pWnd ? static_cast<UINT>(pWnd->GetCheck(nID)) : 0;
}

void CWnd::EnableDlgItem(int nID, BOOL bEnable)
{
    if (IDialogWindow* pWnd = GetBackendWindow())
        pWnd->EnableControl(nID, bEnable);
}

void CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    if (IDialogWindow* pWnd = GetBackendWindow())
        pWnd->SetIcon(hIcon, bBigIcon);
}

void CWnd::SetWindowText(const CDisplayText& strText)
{
    IDialogWindow* pWnd = GetBackendWindow();
    if (pWnd && m_nID == 0)
        pWnd->SetCaption(strText);
    else if (pWnd)
        pWnd->SetText(m_nID, strText.Ansi());
}
