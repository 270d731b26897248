#pragma once

#include "Dialog.h"

#include <map>

// A small dialog of the test program with its own template and message map, counting
// the notifications that reach its handlers.
class CProbeDlg : public CDialog {
public:
    enum { IDD = 900 };
    enum Control {
        IDC_ACT = 1101, IDC_OFF, IDC_FLAG, IDC_DIGIT, IDC_TEXT, IDC_LIST, IDC_LABEL, IDC_NUMBER, IDC_NARROW, IDC_ASK
    };
    CProbeDlg() : CDialog(IDD) {}

    // Installs the template beside the application's own.
    static void InstallResources();

    std::map<int, int> m_nCount;  // notifications seen, by control and code
    int m_nNumber = 7;
    CString m_strText = "start";
    int m_bFlag = 0;
    int m_nAnswer = 0;
    bool m_bThrowFromAct = false;
    bool m_bRefuseCancel = false;
    int m_nCancelRefused = 0;

    static int Key(int nID, int nCode) { return nID * 16 + (nCode == EN_CHANGE ? 3 : nCode); }
    int Count(int nID, int nCode) const
    {
        auto it = m_nCount.find(Key(nID, nCode));
        return it == m_nCount.end() ? 0 : it->second;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;
    void OnAct();
    void OnOff() { ++m_nCount[Key(IDC_OFF, BN_CLICKED)]; }
    void OnFlag() { ++m_nCount[Key(IDC_FLAG, BN_CLICKED)]; }
    void OnChangeText() { ++m_nCount[Key(IDC_TEXT, EN_CHANGE)]; }
    void OnChangeNumber() { ++m_nCount[Key(IDC_NUMBER, EN_CHANGE)]; }
    void OnSelChange() { ++m_nCount[Key(IDC_LIST, LBN_SELCHANGE)]; }
    void OnDblClk() { ++m_nCount[Key(IDC_LIST, LBN_DBLCLK)]; }
    void OnHelpKey() { ++m_nCount[Key(static_cast<int>(ID_HELP), BN_CLICKED)]; }
    void OnAsk();

    DECLARE_MESSAGE_MAP()
};
