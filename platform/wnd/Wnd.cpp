#include "Wnd.h"

#include "DataExchange.h"
#include "DialogWindow.h"
#include "ScopedCount.h"

CDialogWindow* CWnd::GetBackendWindow() const
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
    CDialogWindow* pWnd = GetBackendWindow();
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
    if (CDialogWindow* pWnd = GetBackendWindow())
        pWnd->SetText(nID, strText);
}

CString CWnd::GetDlgItemText(int nID) const
{
    CDialogWindow* pWnd = GetBackendWindow();
    return pWnd ? pWnd->GetText(nID) : CString();
}

UINT CWnd::IsDlgButtonChecked(int nID) const
{
    CDialogWindow* pWnd = GetBackendWindow();
    return pWnd ? static_cast<UINT>(pWnd->GetCheck(nID)) : 0;
}

void CWnd::EnableDlgItem(int nID, BOOL bEnable)
{
    if (CDialogWindow* pWnd = GetBackendWindow())
        pWnd->EnableControl(nID, bEnable);
}

void CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    if (CDialogWindow* pWnd = GetBackendWindow())
        pWnd->SetIcon(hIcon, bBigIcon);
}

void CWnd::SetWindowText(const CDisplayText& strText)
{
    CDialogWindow* pWnd = GetBackendWindow();
    if (pWnd && m_nID == 0)
        pWnd->SetCaption(strText);
    else if (pWnd)
        pWnd->SetText(m_nID, strText.Ansi());
}
