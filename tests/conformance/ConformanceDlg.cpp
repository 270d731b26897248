#include "ConformanceDlg.h"

#include "DataExchange.h"
#include "WinApp.h"

namespace {
using K = ControlKind;
using D = CConformanceDlg;
constexpr DWORD kTab = WS_TABSTOP;

const DialogTemplate g_conformance = {
    D::IDD, "Conformance", 220, 160, "MS Sans Serif", 8, WS_POPUP | WS_CAPTION | WS_SYSMENU, 0,
    {
        {D::IDC_OFF, K::PushButton, "Off", 160, 140, 50, 14, kTab | WS_DISABLED},
        {D::IDC_LABEL, K::Static, "Name:", 7, 7, 30, 8, SS_LEFT},
        {D::IDC_ENTRY, K::Edit, "", 40, 5, 100, 14, ES_AUTOHSCROLL | WS_BORDER | kTab},
        {D::IDC_FLAG, K::AutoCheckBox, "Flag", 7, 24, 40, 10, 0},
        {D::IDC_DIGITS, K::Edit, "", 60, 22, 40, 14, ES_NUMBER | ES_RIGHT | ES_AUTOHSCROLL | WS_BORDER | kTab},
        {D::IDC_LIST, K::ListBox, "", 7, 40, 100, 60, LBS_SORT | LBS_NOTIFY | WS_VSCROLL | WS_BORDER | kTab},
        {D::IDC_ACT, K::PushButton, "Act", 160, 5, 50, 14, kTab},
        {D::IDC_ASK, K::PushButton, "Ask", 160, 22, 50, 14, kTab},
        {D::IDC_TELL, K::PushButton, "Tell", 160, 39, 50, 14, kTab},
        {IDOK, K::PushButton, "OK", 160, 56, 50, 14, kTab},
        {D::IDC_GO, K::DefPushButton, "Go", 160, 73, 50, 14, kTab},
        {D::IDC_APPLY, K::DefPushButton, "Apply", 160, 90, 50, 14, kTab},
        {IDCANCEL, K::PushButton, "Cancel", 160, 107, 50, 14, kTab},
        // Without ES_AUTOHSCROLL a box takes no more than it can show.
        {D::IDC_NARROW, K::Edit, "", 7, 110, 40, 14, WS_BORDER},
        {-1, K::GroupBox, "Group", 7, 128, 100, 28, 0},
    }};

const DialogTemplate* FindDialog(UINT nID) { return nID == D::IDD ? &g_conformance : nullptr; }
const IconResource* FindNoIcon(UINT) { return nullptr; }
const ResourceTable g_resources = {&FindDialog, &FindNoIcon};
}  // namespace

BEGIN_MESSAGE_MAP(CConformanceDlg, CDialog)
    ON_BN_CLICKED(IDC_GO, OnGo)
    ON_BN_CLICKED(IDC_APPLY, OnApply)
    ON_BN_CLICKED(IDC_ACT, OnAct)
    ON_BN_CLICKED(IDC_ASK, OnAsk)
    ON_BN_CLICKED(IDC_TELL, OnTell)
    ON_BN_CLICKED(IDC_FLAG, OnFlag)
    ON_BN_CLICKED(IDC_OFF, OnOff)
    ON_EN_CHANGE(IDC_ENTRY, OnChangeName)
    ON_EN_CHANGE(IDC_DIGITS, OnChangeDigits)
    ON_CONTROL(LBN_SELCHANGE, IDC_LIST, OnSelChange)
    ON_CONTROL(LBN_DBLCLK, IDC_LIST, OnDblClk)
    ON_COMMAND(ID_HELP, OnHelpKey)
END_MESSAGE_MAP()

void CConformanceDlg::InstallResources() { AfxSetResources(&g_resources); }

const DialogTemplate& CConformanceDlg::Template() { return g_conformance; }

BOOL CConformanceDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (const char* pszRow : {"delta", "Alpha", "charlie", "Bravo", "alpha"})
        m_nAddedAt.push_back(m_list.AddString(pszRow));
    return TRUE;
}

void CConformanceDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Control(pDX, IDC_LIST, m_list);
    DDX_Check(pDX, IDC_FLAG, m_bFlag);
    DDX_Text(pDX, IDC_ENTRY, m_strName);
    DDX_Text(pDX, IDC_DIGITS, m_nDigits);
    DDV_MinMaxInt(pDX, m_nDigits, 0, 100);
}

int CConformanceDlg::Count(int nID, int nCode) const
{
    auto it = m_seen.find({nID, nCode});
    return it == m_seen.end() ? 0 : it->second;
}

void CConformanceDlg::Seen(int nID, int nCode)
{
    ++m_seen[{nID, nCode}];
    if (m_fnLog)
        m_fnLog(nID, nCode);
}

void CConformanceDlg::OnCancel()
{
    if (m_bRefuseCancel)
        ++m_nCancelRefused;
    else
        CDialog::OnCancel();
}

void CConformanceDlg::OnAct()
{
    Seen(IDC_ACT, BN_CLICKED);
    if (m_bThrowFromAct)
        throw 42;
    // Writing changed values and picking a row are the program's doing, not the user's.
    m_strName += "!";
    m_nDigits += 1;
    UpdateData(FALSE);
    m_list.SetCurSel(1);
}

void CConformanceDlg::OnAsk() { m_nAnswer = AfxMessageBox("Go on?", m_nAskStyle); }

void CConformanceDlg::OnTell() { m_nAnswer = AfxMessageBox("Done.", MB_OK); }
