#include "Win32ProbeDlg.h"

#include "DataExchange.h"
#include "ListBox.h"
#include "Resource.h"
#include "Templates.h"
#include "WinApp.h"

namespace {
using K = ControlKind;
constexpr DWORD kTab = WS_TABSTOP;

const DialogTemplate g_probe = {
    CWin32ProbeDlg::IDD, "Probe", 200, 150, "MS Sans Serif", 8, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0,
    {
        {CWin32ProbeDlg::IDC_OFF, K::PushButton, "Off", 140, 60, 50, 14, kTab | WS_DISABLED},
        {IDOK, K::DefPushButton, "OK", 140, 7, 50, 14, kTab},
        {IDCANCEL, K::PushButton, "Cancel", 140, 24, 50, 14, kTab},
        {CWin32ProbeDlg::IDC_ACT, K::PushButton, "Act", 140, 41, 50, 14, kTab},
        {CWin32ProbeDlg::IDC_FLAG, K::AutoCheckBox, "Flag", 7, 7, 40, 10, kTab},
        {CWin32ProbeDlg::IDC_DIGIT, K::Edit, "", 7, 20, 10, 14, ES_NUMBER | ES_RIGHT | WS_BORDER | kTab},
        {CWin32ProbeDlg::IDC_TEXT, K::Edit, "", 7, 37, 100, 14, ES_AUTOHSCROLL | WS_BORDER | kTab},
        {CWin32ProbeDlg::IDC_LIST, K::ListBox, "", 7, 54, 100, 60,
         LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | kTab},
        {CWin32ProbeDlg::IDC_LABEL, K::Static, "Label", 7, 118, 100, 8, SS_LEFT},
        {CWin32ProbeDlg::IDC_NUMBER, K::Edit, "", 60, 20, 40, 14, ES_NUMBER | ES_RIGHT | WS_BORDER | kTab},
        {CWin32ProbeDlg::IDC_NARROW, K::Edit, "", 110, 130, 40, 14, WS_BORDER | kTab},
        {CWin32ProbeDlg::IDC_ASK, K::PushButton, "Ask", 140, 80, 50, 14, kTab},
        {-1, K::Icon, "", 150, 100, 20, 20, SS_ICON, IDR_MAINFRAME},
        {-1, K::GroupBox, "Group", 112, 96, 84, 30, 0},
    }};

const DialogTemplate* FindDialog(UINT nID) { return nID == CWin32ProbeDlg::IDD ? &g_probe : FindOrvaneDialog(nID); }

const ResourceTable g_resources = {&FindDialog, &FindOrvaneIcon};
}  // namespace

BEGIN_MESSAGE_MAP(CWin32ProbeDlg, CDialog)
    ON_BN_CLICKED(IDC_ACT, OnAct)
    ON_BN_CLICKED(IDC_OFF, OnOff)
    ON_BN_CLICKED(IDC_FLAG, OnFlag)
    ON_BN_CLICKED(IDC_ASK, OnAsk)
    ON_EN_CHANGE(IDC_TEXT, OnChangeText)
    ON_EN_CHANGE(IDC_NUMBER, OnChangeNumber)
    ON_EN_CHANGE(IDC_DIGIT, OnChangeDigit)
    ON_CONTROL(LBN_SELCHANGE, IDC_LIST, OnSelChange)
    ON_CONTROL(LBN_DBLCLK, IDC_LIST, OnDblClk)
    ON_COMMAND(ID_HELP, OnHelpKey)
END_MESSAGE_MAP()

void CWin32ProbeDlg::InstallResources() { AfxSetResources(&g_resources); }

BOOL CWin32ProbeDlg::OnInitDialog()
{
    CListBox list;
    list.Attach(this, IDC_LIST);
    for (const char* pszRow : {"delta", "Alpha", "charlie", "bravo"})
        list.AddString(pszRow);
    HICON hIcon = AfxFindIcon(IDR_MAINFRAME);
    SetIcon(hIcon, TRUE);
    SetIcon(hIcon, FALSE);
    return CScriptedDialog::OnInitDialog();
}

void CWin32ProbeDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Check(pDX, IDC_FLAG, m_bFlag);
    DDX_Text(pDX, IDC_NUMBER, m_nNumber);
    DDV_MinMaxInt(pDX, m_nNumber, 0, 100);
    DDX_Text(pDX, IDC_TEXT, m_strText);
}

void CWin32ProbeDlg::Seen(int nID, int nCode)
{
    ++m_nCount[Key(nID, nCode)];
    if (m_fnLog)
        m_fnLog(nID, nCode);
}

void CWin32ProbeDlg::OnAct()
{
    Seen(IDC_ACT, BN_CLICKED);
    if (m_bThrowFromAct)
        throw 42;
    // Writing changed values must not look like the user's edits.
    m_nNumber += 1;
    m_strText += "!";
    UpdateData(FALSE);
}

void CWin32ProbeDlg::OnAsk() { m_nAnswer = AfxMessageBox("Go on?", MB_YESNO); }

void CWin32ProbeDlg::OnCancel()
{
    if (!m_bRefuseCancel) {
        CDialog::OnCancel();
        return;
    }
    ++m_nCancelRefused;
}
