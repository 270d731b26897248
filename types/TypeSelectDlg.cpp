#include "TypeSelectDlg.h"

#include "CatalogFile.h"
#include "DataExchange.h"
#include "EditStringDlg.h"
#include "Resource.h"
#include "WinApp.h"

BEGIN_MESSAGE_MAP(CTypeSelectDlg, CDialog)
    ON_BN_CLICKED(IDC_NEW_TYPE, OnNewType)
    ON_BN_CLICKED(IDC_EDIT_TYPE, OnEditType)
    ON_BN_CLICKED(IDC_DELETE_TYPE, OnDeleteType)
END_MESSAGE_MAP()

CTypeSelectDlg::CTypeSelectDlg(CWnd* pParent) : CDialog(IDD_SELECT_TYPE, pParent), m_edit(AfxMessageBox) {}

void CTypeSelectDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TYPE_LIST, m_listTypes);
    DDX_LBIndex(pDX, IDC_TYPE_LIST, m_nType);
}

BOOL CTypeSelectDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CCatalogFile::LoadResult result = m_edit.Load(m_catalog, m_file.Path());
    if (!result.Ok()) {
        // A file that exists but cannot be read must survive this dialog untouched, so
        // the dialog ends as if cancelled instead of offering an OK that would save.
        m_bLoadFailed = true;
        AfxMessageBox(result.strMessage);
        EndDialog(IDCANCEL);
        return TRUE;
    }
    FillTypeList();
    return TRUE;
}

void CTypeSelectDlg::FillTypeList()
{
    m_listTypes.ResetContent();
    for (int i = 0; i < m_catalog.GetTypeCount(); ++i)
        m_listTypes.AddString(m_catalog.GetTypeName(i));
}

void CTypeSelectDlg::OnNewType()
{
    CEditStringDlg dlg;
    if (dlg.DoModal() == IDOK)
        MakeChange({TypeChange::add, m_catalog.GetTypeCount(), CString(), dlg.m_strText});
}

void CTypeSelectDlg::OnEditType()
{
    const int nSel = m_listTypes.GetCurSel();
    if (nSel < 0)
        return;
    CEditStringDlg dlg;
    m_listTypes.GetText(nSel, dlg.m_strText);
    if (dlg.DoModal() == IDOK)
        MakeChange({TypeChange::rename, nSel, m_catalog.GetTypeName(nSel), dlg.m_strText});
}

void CTypeSelectDlg::OnDeleteType()
{
    const int nSel = m_listTypes.GetCurSel();
    if (nSel < 0)
        return;
    const CString strName = m_catalog.GetTypeName(nSel);
    CString strQuestion;
    strQuestion.Format("You sure of removing %s", strName.GetString());
    if (AfxMessageBox(strQuestion, MB_YESNO) == IDYES)
        MakeChange({TypeChange::remove, nSel, strName, CString()});
    else
        FillTypeList();
}

void CTypeSelectDlg::MakeChange(const TypeChange& change)
{
    ApplyChange(m_catalog, change);
    m_changes.push_back(change);
    FillTypeList();
}

void CTypeSelectDlg::OnOK()
{
    if (m_bLoadFailed)
        return;
    // The catalogue is saved on every OK, changed or not. A failed save, or a No to a
    // question, keeps the dialog open, so the user can retry or cancel knowing the names
    // were not stored.
    if (!m_edit.Save(m_catalog, [this](CChipCatalog& fresh) { return ReapplyChanges(fresh); }))
        return;
    m_changes.clear();
    CDialog::OnOK();
}

bool CTypeSelectDlg::ApplyChange(CChipCatalog& catalog, const TypeChange& change)
{
    if (change.kind == TypeChange::add) {
        catalog.AddTypeName(change.strNew);
        return true;
    }
    if (change.nIndex >= catalog.GetTypeCount() || catalog.GetTypeName(change.nIndex) != change.strOld)
        return false;
    if (change.kind == TypeChange::rename)
        catalog.SetTypeName(change.nIndex, change.strNew);
    else
        catalog.RemoveTypeName(change.nIndex);
    return true;
}

bool CTypeSelectDlg::ReapplyChanges(CChipCatalog& fresh) const
{
    for (const TypeChange& change : m_changes)
        if (!ApplyChange(fresh, change))
            return false;
    return true;
}
