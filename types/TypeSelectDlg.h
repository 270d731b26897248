#pragma once

#include "ChipCatalog.h"
#include "Dialog.h"
#include "ListBox.h"

// "Select Type": lists the chip type names in catalogue order, lets the user rename
// them, saves the catalogue on OK and returns the position of the chosen type.
class CTypeSelectDlg : public CDialog {
public:
    explicit CTypeSelectDlg(CWnd* pParent = nullptr);

    CListBox m_listTypes;
    // After IDOK: the position of the selected type name, -1 when none is selected.
    int m_nType = -1;
    CChipCatalog m_catalog;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void FillTypeList();
    void OnNewType();
    void OnEditType();
    void OnDeleteType();

    // Set when the file exists but could not be read: the catalogue in memory is then
    // not the file's, and writing it would destroy the file.
    bool m_bLoadFailed = false;

    DECLARE_MESSAGE_MAP()
};
