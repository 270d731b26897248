#include "ChipListDlg.h"

#include "CatalogFile.h"
#include "ChipRules.h"
#include "I2CSetupDlg.h"
#include "MicrowireSetupDlg.h"
#include "TypeSelectDlg.h"

namespace {

// The inputs both forms share. A new chip takes its index from the form itself.
void SetFormInputs(CSetupFormDlg& dlg, const CEditedFile& file, BOOL bNew, int nIndex, const CString& strName)
{
    dlg.m_file = file;
    dlg.m_bNew = bNew;
    if (!bNew) {
        dlg.m_nIndex = nIndex;
        dlg.m_strName = strName;
    }
}

// Opens the form for a kind, new or on entry nIndex; a kind without a form opens nothing.
// Add New routes a type position as a kind, so position and kind open the same form.
// The end code is not needed: the caller refreshes its list either way.
void RunSetupForm(const CEditedFile& file, int nKind, BOOL bNew, int nIndex, const CString& strName)
{
    const ChipKind kind = ChipKindOf(nKind);
    if (kind.family == ChipFamily::other)
        return;
    if (kind.family == ChipFamily::i2c) {
        CI2CSetupDlg dlg;
        SetFormInputs(dlg, file, bNew, nIndex, strName);
        dlg.DoModal();
        return;
    }
    CMicrowireSetupDlg dlg;
    SetFormInputs(dlg, file, bNew, nIndex, strName);
    dlg.m_nVariant = kind.nVariant;
    // Edit chip sets the box as Add New does, so a chip shows the same organisation
    // whichever command opened it: 8 bits for the first variant, 16 for the others.
    dlg.m_b16Bits = kind.nVariant > 0;
    dlg.DoModal();
}

}  // namespace

void CChipListDlg::OnAddNew()
{
    CTypeSelectDlg dlgType;
    dlgType.m_file = m_file;
    if (dlgType.DoModal() != IDOK)
        return;
    RunSetupForm(m_file, dlgType.m_nType, TRUE, 0, CString());
    RefreshChipList();
}

void CChipListDlg::OnEditChip()
{
    CString strText;
    if (!GetSelectedName(strText))
        return;
    CChipCatalog catalog;
    // A file that fails to load is reported by the refresh, once.
    if (CCatalogFile::Load(catalog, m_file.Path()).Ok()) {
        const int nIndex = catalog.FindEntryByName(strText);
        if (nIndex >= 0)
            RunSetupForm(m_file, catalog.GetKind(nIndex), FALSE, nIndex, strText);
    }
    RefreshChipList();
}
