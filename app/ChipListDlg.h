#pragma once

#include "Dialog.h"
#include "ListBox.h"

class CChipCatalog;

// The main window: the sorted list of chip names with Add New, Edit chip and Delete
// Chip. It keeps no catalogue; every command loads its own copy from the file.
class CChipListDlg : public CDialog {
public:
    explicit CChipListDlg(CWnd* pParent = nullptr);

    // Reloads the rows from the file: one row per entry, sorted, none selected.
    void RefreshChipList();

    CListBox m_listChips;
    HICON m_hIcon;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnAddNew();
    void OnEditChip();
    void OnDeleteChip();

    DECLARE_MESSAGE_MAP()
};
