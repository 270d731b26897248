#include "TestDialog.h"

namespace {
const DialogTemplate g_test = {
    IDD_TEST, "Test", 200, 100, "MS Sans Serif", 8, WS_POPUP | WS_CAPTION, 0,
    {
        {IDOK, ControlKind::DefPushButton, "OK", 0, 0, 50, 14, WS_TABSTOP},
        {IDCANCEL, ControlKind::PushButton, "Cancel", 0, 20, 50, 14, WS_TABSTOP},
        {IDC_BYTE, ControlKind::Edit, "", 60, 0, 30, 14, WS_TABSTOP | ES_NUMBER},
        {IDC_INT, ControlKind::Edit, "", 60, 20, 30, 14, WS_TABSTOP},
        {IDC_TEXT, ControlKind::Edit, "", 60, 40, 30, 14, WS_TABSTOP},
        {IDC_STATIC8, ControlKind::Static, "", 60, 60, 30, 8, 0},
        {IDC_CHECK, ControlKind::AutoCheckBox, "Check", 100, 0, 30, 10, WS_TABSTOP},
        {IDC_LIST, ControlKind::ListBox, "", 100, 20, 50, 50, WS_TABSTOP | LBS_NOTIFY},
        {IDC_SORTED, ControlKind::ListBox, "", 150, 20, 50, 50, WS_TABSTOP | LBS_SORT},
        {IDC_ACTION, ControlKind::PushButton, "Action", 0, 40, 50, 14, WS_TABSTOP},
        {IDC_DISABLED, ControlKind::PushButton, "Off", 0, 60, 50, 14, WS_TABSTOP | WS_DISABLED},
    }};

const DialogTemplate* FindTest(UINT nID) { return nID == IDD_TEST ? &g_test : nullptr; }
const IconResource* FindNoIcon(UINT) { return nullptr; }
const ResourceTable g_table = {&FindTest, &FindNoIcon};
}  // namespace

void InstallTestResources() { AfxSetResources(&g_table); }

BEGIN_MESSAGE_MAP(CTestDialog, CDialog)
    ON_BN_CLICKED(IDC_ACTION, OnAction)
    ON_BN_CLICKED(IDC_DISABLED, OnAction)
    ON_EN_CHANGE(IDC_TEXT, OnChangeText)
    ON_EN_CHANGE(IDC_BYTE, OnChangeText)
    ON_BN_CLICKED(IDC_CHECK, OnCheckClicked)
END_MESSAGE_MAP()

void CTestDialog::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_BYTE, m_nByte);
    DDV_MinMaxByte(pDX, m_nByte, 0, 8);
    DDX_Text(pDX, IDC_INT, m_nInt);
    DDV_MinMaxInt(pDX, m_nInt, m_nMinInt, m_nMaxInt);
    DDX_Text(pDX, IDC_TEXT, m_strText);
    DDX_Text(pDX, IDC_STATIC8, m_strStatic);
    DDV_MaxChars(pDX, m_strStatic, 8);
    DDX_Check(pDX, IDC_CHECK, m_bCheck);
    DDX_LBIndex(pDX, IDC_LIST, m_nSel);
}

BOOL CTestDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    return m_onInit ? m_onInit() : TRUE;
}

void CTestDialog::OnAction()
{
    ++m_nClicks;
    if (m_onAction)
        m_onAction();
}

void CTestDialog::OnChangeText() { ++m_nChanges; }

void CTestDialog::OnCheckClicked() { ++m_nClicks; }
