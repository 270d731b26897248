#pragma once

#include "Dialog.h"
#include "EditedFile.h"
#include "ListBox.h"

class CChipCatalog;

// The main window: the sorted list of chip names with Add New, Edit chip and Delete
// Chip. It keeps no catalogue; every command loads its own copy from the file.
class CChipListDlg : public CDialog {
public:
    explicit CChipListDlg(CWnd* pParent = nullptr);

    // Reloads the rows from the file: one row per entry, sorted, none selected.
    void RefreshChipList();

    // Input: the catalogue the list shows and its commands change. The title names it
    // when the program was started on it by name.
    CEditedFile m_file;
    CListBox m_listChips;
    HICON m_hIcon;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnAddNew();
    void OnEditChip();
    void OnDeleteChip();
    // The selected row's chip name; false when no row is selected.
    bool GetSelectedName(CString& strName) const;

    DECLARE_MESSAGE_MAP()
};
