#include "ListBox.h"

#include "CodePage.h"

#include <algorithm>

int AfxCompareListText(const CString& a, const CString& b)
{
    return AnsiCompareNoCase(a.Str(), b.Str(), SystemAnsiCodePage());
}

namespace {
bool ListLess(const CString& a, const CString& b) { return AfxCompareListText(a, b) < 0; }
}

bool CListBox::IsSorted() const
{
    const DialogTemplate* pTmpl = m_pOwner ? AfxFindDialogTemplate(m_pOwner->GetTemplateID()) : nullptr;
    const ControlTemplate* pCtrl = pTmpl ? pTmpl->FindControl(m_nID) : nullptr;
    return pCtrl && (pCtrl->dwStyle & LBS_SORT);
}

void CListBox::ResetContent()
{
    if (IDialogWindow* pWnd = GetBackendWindow())
        pWnd->ListResetContent(m_nID);
}

int CListBox::AddString(const CString& strText)
{
    IDialogWindow* pWnd = GetBackendWindow();
    if (!pWnd)
        return LB_ERR;
    int nIndex = pWnd->ListGetCount(m_nID);
    if (IsSorted()) {
        // After every row that sorts before or equal to the new one.
        int nLow = 0;
        int nHigh = nIndex;
        while (nLow < nHigh) {
            const int nMid = nLow + (nHigh - nLow) / 2;
            if (ListLess(strText, pWnd->ListGetText(m_nID, nMid)))
                nHigh = nMid;
            else
                nLow = nMid + 1;
        }
        nIndex = nLow;
    }
    pWnd->ListInsertString(m_nID, nIndex, strText);
    return nIndex;
}

int CListBox::InsertString(int nIndex, const CString& strText)
{
    IDialogWindow* pWnd = GetBackendWindow();
    if (!pWnd)
        return LB_ERR;
    const int nCount = pWnd->ListGetCount(m_nID);
    if (nIndex == -1)
        nIndex = nCount;
    if (nIndex < 0 || nIndex > nCount)
        return LB_ERR;
    pWnd->ListInsertString(m_nID, nIndex, strText);
    return nIndex;
}

void CListBox::AddStrings(const std::vector<CString>& rows)
{
    IDialogWindow* pWnd = GetBackendWindow();
    if (!pWnd)
        return;
    const int nCount = pWnd->ListGetCount(m_nID);
    std::vector<CString> existing;
    existing.reserve(static_cast<std::size_t>(nCount));
    for (int i = 0; i < nCount; ++i)
        existing.push_back(pWnd->ListGetText(m_nID, i));
    std::vector<CString> added(rows);
    std::vector<CString> merged;
    merged.reserve(existing.size() + added.size());
    if (IsSorted()) {
        std::stable_sort(added.begin(), added.end(), ListLess);
        std::merge(existing.begin(), existing.end(), added.begin(), added.end(), std::back_inserter(merged), ListLess);
    } else {
        merged = std::move(existing);
        merged.insert(merged.end(), added.begin(), added.end());
    }
    pWnd->ListSetStrings(m_nID, std::move(merged));
}

int CListBox::GetCount() const
{
    IDialogWindow* pWnd = GetBackendWindow();
    return pWnd ? pWnd->ListGetCount(m_nID) : 0;
}

int CListBox::GetCurSel() const
{
    IDialogWindow* pWnd = GetBackendWindow();
    return pWnd ? pWnd->ListGetCurSel(m_nID) : LB_ERR;
}

int CListBox::SetCurSel(int nSelect)
{
    IDialogWindow* pWnd = GetBackendWindow();
    if (!pWnd || nSelect >= pWnd->ListGetCount(m_nID))
        return LB_ERR;
    pWnd->ListSetCurSel(m_nID, nSelect);
    return nSelect < 0 ? LB_ERR : nSelect;
}

void CListBox::GetText(int nIndex, CString& strText) const
{
    strText = GetText(nIndex);
}

CString CListBox::GetText(int nIndex) const
{
    IDialogWindow* pWnd = GetBackendWindow();
    return pWnd ? pWnd->ListGetText(m_nID, nIndex) : CString();
}

void DDX_Control(CDataExchange* pDX, int nIDC, CListBox& rControl)
{
    pDX->PrepareCtrl(nIDC);
    rControl.Attach(pDX->m_pDlgWnd->GetOwnerDialog(), nIDC);
}
