#include "ChipListDlg.h"

#include "CatalogEdit.h"
#include "CatalogFile.h"
#include "ChipCatalog.h"
#include "DataExchange.h"
#include "Resource.h"
#include "WinApp.h"

#include <vector>

BEGIN_MESSAGE_MAP(CChipListDlg, CDialog)
    ON_BN_CLICKED(IDC_ADD_NEW, OnAddNew)
    ON_BN_CLICKED(IDC_EDIT_CHIP, OnEditChip)
    ON_BN_CLICKED(IDC_DELETE_CHIP, OnDeleteChip)
END_MESSAGE_MAP()

CChipListDlg::CChipListDlg(CWnd* pParent)
    : CDialog(IDD_CHIPLIST_DIALOG, pParent), m_hIcon(AfxFindIcon(IDR_MAINFRAME))
{
}

void CChipListDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CHIP_LIST, m_listChips);
}

BOOL CChipListDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    // Two windows on two catalogues can be told apart by their titles.
    const CDisplayText strShownPath = m_file.ShownPath();
    if (!strShownPath.IsEmpty())
        SetWindowText("Orvane - " + strShownPath);
    RefreshChipList();
    return TRUE;
}

void CChipListDlg::RefreshChipList()
{
    m_listChips.ResetContent();
    CChipCatalog catalog;
    const CCatalogFile::LoadResult result = CCatalogFile::Load(catalog, m_file.Path());
    if (!result.Ok()) {
        AfxMessageBox(result.strMessage);
        return;
    }
    // One sort for the whole list: adding row by row would be quadratic.
    std::vector<CString> names;
    names.reserve(static_cast<std::size_t>(catalog.GetEntryCount()));
    for (int i = 0; i < catalog.GetEntryCount(); ++i)
        names.push_back(catalog.GetEntryName(i));
    m_listChips.AddStrings(names);
}

bool CChipListDlg::GetSelectedName(CString& strName) const
{
    const int nSel = m_listChips.GetCurSel();
    if (nSel < 0)
        return false;
    m_listChips.GetText(nSel, strName);
    return true;
}

void CChipListDlg::OnDeleteChip()
{
    CString strText;
    if (!GetSelectedName(strText))
        return;
    CChipCatalog catalog;
    CCatalogEdit edit(AfxMessageBox);
    // A file that fails to load is reported by the refresh and never saved over.
    if (edit.Load(catalog, m_file.Path()).Ok()) {
        const int nIndex = catalog.FindEntryByName(strText);
        CString strQuestion;
        strQuestion.Format("You sure of removing %s", strText.GetString());
        if (nIndex >= 0 && AfxMessageBox(strQuestion, MB_YESNO) == IDYES) {
            catalog.RemoveEntry(nIndex);
            // Another program may have changed the file while the question waited: the
            // first entry of that name goes wherever it now is.
            edit.Save(catalog, [&strText](CChipCatalog& fresh) {
                const int nFresh = fresh.FindEntryByName(strText);
                if (nFresh >= 0)
                    fresh.RemoveEntry(nFresh);
                return nFresh >= 0;
            });
        }
    }
    RefreshChipList();
}
