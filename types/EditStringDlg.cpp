#include "EditStringDlg.h"

#include "DataExchange.h"
#include "Resource.h"

CEditStringDlg::CEditStringDlg(CWnd* pParent) : CDialog(IDD_EDIT_STRING, pParent) {}

void CEditStringDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_STRING_TEXT, m_strText);
}
