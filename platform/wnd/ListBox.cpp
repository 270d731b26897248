#include "ListBox.h"

#include "DialogWindow.h"
#include "ListSortKeys.h"
#include "SortedListOrder.h"

bool CListBox::IsSorted() const
{
    const DialogTemplate* pTmpl = m_pOwner ? AfxFindDialogTemplate(m_pOwner->GetTemplateID()) : nullptr;
    const ControlTemplate* pCtrl = pTmpl ? pTmpl->FindControl(m_nID) : nullptr;
    return pCtrl && (pCtrl->dwStyle & LBS_SORT);
}

void CListBox::ResetContent()
{
    if (CDialogWindow* pWnd = GetBackendWindow())
        pWnd->ListResetContent(m_nID);
}

int CListBox::AddString(const CString& strText)
{
    CDialogWindow* pWnd = GetBackendWindow();
    if (!pWnd)
        return LB_ERR;
    int nIndex = pWnd->ListGetCount(m_nID);
    if (IsSorted()) {
        // The new row's key is made once; each row the search looks at adds its own.
        const CodePage cp = SystemAnsiCodePage();
        CListSortKeys keys;
        keys.Add(strText.Str(), cp);
        nIndex = SortedListInsertIndex(nIndex, [&](int i) {
            keys.Add(pWnd->ListGetText(m_nID, i).Str(), cp);
            return keys.Compare(keys.GetCount() - 1, 0);
        });
    }
    pWnd->ListInsertString(m_nID, nIndex, strText);
    return nIndex;
}

int CListBox::InsertString(int nIndex, const CString& strText)
{
    CDialogWindow* pWnd = GetBackendWindow();
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
    CDialogWindow* pWnd = GetBackendWindow();
    if (!pWnd)
        return;
    const std::size_t nCount = static_cast<std::size_t>(pWnd->ListGetCount(m_nID));
    std::vector<CString> all;
    all.reserve(nCount + rows.size());
    for (std::size_t i = 0; i < nCount; ++i)
        all.push_back(pWnd->ListGetText(m_nID, static_cast<int>(i)));
    all.insert(all.end(), rows.begin(), rows.end());
    if (IsSorted()) {
        CListSortKeys keys;
        for (const CString& strRow : all)
            keys.Add(strRow.Str(), SystemAnsiCodePage());
        std::vector<CString> sorted;
        sorted.reserve(all.size());
        for (std::size_t i : SortedListOrder(nCount, all.size(),
                                             [&keys](std::size_t a, std::size_t b) { return keys.Compare(a, b); }))
            sorted.push_back(std::move(all[i]));
        all = std::move(sorted);
    }
    pWnd->ListSetStrings(m_nID, std::move(all));
}

int CListBox::GetCount() const
{
    CDialogWindow* pWnd = GetBackendWindow();
    return pWnd ? pWnd->ListGetCount(m_nID) : 0;
}

int CListBox::GetCurSel() const
{
    CDialogWindow* pWnd = GetBackendWindow();
    return pWnd ? pWnd->ListGetCurSel(m_nID) : LB_ERR;
}

int CListBox::SetCurSel(int nSelect)
{
    CDialogWindow* pWnd = GetBackendWindow();
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
    CDialogWindow* pWnd = GetBackendWindow();
    return pWnd ? pWnd->ListGetText(m_nID, nIndex) : CString();
}

void DDX_Control(CDataExchange* pDX, int nIDC, CListBox& rControl)
{
    pDX->PrepareCtrl(nIDC);
    rControl.Attach(pDX->m_pDlgWnd->GetOwnerDialog(), nIDC);
}
