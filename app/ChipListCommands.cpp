#include "ChipListDlg.h"

#include "CatalogFile.h"
#include "I2CSetupDlg.h"
#include "MicrowireSetupDlg.h"
#include "TypeSelectDlg.h"

namespace {

// Kind 0 is the I2C form; kinds 1 to 3 are the Microwire form with variants 0 to 2.
// Add New routes a type position the same way, so position and kind share this table.
struct FormRoute {
    bool bMicrowire;
    int nVariant;
    int b16Bits;
};
const FormRoute kFormRoutes[] = {{false, 0, 0}, {true, 0, 0}, {true, 1, 1}, {true, 2, 1}};
constexpr int kFormRouteCount = static_cast<int>(sizeof(kFormRoutes) / sizeof(kFormRoutes[0]));

// The inputs both forms share. A new chip takes its index from the form itself.
void SetFormInputs(CSetupFormDlg& dlg, BOOL bNew, int nIndex, const CString& strName)
{
    dlg.m_bNew = bNew;
    if (!bNew) {
        dlg.m_nIndex = nIndex;
        dlg.m_strName = strName;
    }
}

// Opens the form for a kind, new or on entry nIndex; a kind without a form opens nothing.
// The end code is not needed: the caller refreshes its list either way.
void RunSetupForm(int nKind, BOOL bNew, int nIndex, const CString& strName)
{
    if (nKind < 0 || nKind >= kFormRouteCount)
        return;
    const FormRoute& route = kFormRoutes[nKind];
    if (!route.bMicrowire) {
        CI2CSetupDlg dlg;
        SetFormInputs(dlg, bNew, nIndex, strName);
        dlg.DoModal();
        return;
    }
    CMicrowireSetupDlg dlg;
    SetFormInputs(dlg, bNew, nIndex, strName);
    dlg.m_nVariant = route.nVariant;
    // Edit chip sets the box as Add New does, so a chip shows the same organisation
    // whichever command opened it.
    dlg.m_b16Bits = route.b16Bits;
    dlg.DoModal();
}

}  // namespace

void CChipListDlg::OnAddNew()
{
    CTypeSelectDlg dlgType;
    if (dlgType.DoModal() != IDOK)
        return;
    RunSetupForm(dlgType.m_nType, TRUE, 0, CString());
    RefreshChipList();
}

void CChipListDlg::OnEditChip()
{
    int nSel = m_listChips.GetCurSel();
    if (nSel < 0)
        return;
    CString strText;
    m_listChips.GetText(nSel, strText);
    CChipCatalog catalog;
    // A file that fails to load is reported by the refresh, once.
    if (CCatalogFile::Load(catalog).Ok()) {
        int nIndex = catalog.FindEntryByName(strText);
        if (nIndex >= 0)
            RunSetupForm(catalog.GetKind(nIndex), FALSE, nIndex, strText);
    }
    RefreshChipList();
}
