#pragma once

#include "DataExchange.h"
#include "Wnd.h"

#include <vector>

constexpr int LB_ERR = -1;

// A list box control. A list with LBS_SORT keeps its rows in the order of the user's
// locale, ignoring case (ListSortKeys.h), and puts each new row where the system's list
// box would: rows that compare equal stand in the order its search leaves them
// (SortedListOrder.h), not always the order they came in.
class CListBox : public CWnd {
public:
    void ResetContent();
    // Returns the index the row took.
    int AddString(const CString& strText);
    // Puts a row at nIndex without sorting, as LB_INSERTSTRING does: -1 appends, any
    // other index outside 0..GetCount() is refused with LB_ERR and nothing is added.
    int InsertString(int nIndex, const CString& strText);
    // Adds many rows at once, in one sort, with the same result as AddString for each.
    void AddStrings(const std::vector<CString>& rows);
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    void GetText(int nIndex, CString& strText) const;
    CString GetText(int nIndex) const;

    void Attach(CWnd* pDialog, int nID) { AttachToControl(pDialog, nID); }

private:
    bool IsSorted() const;
};

// Attaches rControl to list nIDC of the dialog being exchanged.
void DDX_Control(CDataExchange* pDX, int nIDC, CListBox& rControl);
