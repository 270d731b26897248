#pragma once

#include "CatalogEdit.h"
#include "ChipCatalog.h"
#include "Dialog.h"
#include "EditedFile.h"
#include "ListBox.h"

#include <vector>

// "Select Type": lists the chip type names in catalogue order, lets the user rename
// them, saves the catalogue on OK and returns the position of the chosen type.
class CTypeSelectDlg : public CDialog {
public:
    explicit CTypeSelectDlg(CWnd* pParent = nullptr);

    // Input: the catalogue whose type names the dialog lists and saves.
    CEditedFile m_file;
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

    // The type-name changes in the order they were made, so that they can be made again
    // on a fresh load when another program changed the file meanwhile.
    struct TypeChange {
        enum Kind { add, rename, remove } kind;
        int nIndex;        // rename and remove: the position changed
        CString strOld;    // rename and remove: the name that stood there
        CString strNew;    // add and rename
    };
    std::vector<TypeChange> m_changes;
    CCatalogEdit m_edit;
    // Makes a change to the catalogue shown and remembers it.
    void MakeChange(const TypeChange& change);
    // Makes a change to a catalogue; false where a rename or removal finds another name
    // at its position.
    static bool ApplyChange(CChipCatalog& catalog, const TypeChange& change);
    bool ReapplyChanges(CChipCatalog& fresh) const;

    // Set when the file exists but could not be read: the catalogue in memory is then
    // not the file's, and writing it would destroy the file.
    bool m_bLoadFailed = false;

    DECLARE_MESSAGE_MAP()
};
