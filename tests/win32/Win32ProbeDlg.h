#pragma once

#include "ScriptedDialog.h"

#include <functional>
#include <map>

// The dialog of the Windows test programs: every kind of control the templates use,
// with a message map that counts the notifications reaching its handlers.
class CWin32ProbeDlg : public CScriptedDialog {
public:
    enum { IDD = 900 };
    enum Control {
        IDC_ACT = 1101, IDC_OFF, IDC_FLAG, IDC_DIGIT, IDC_TEXT, IDC_LIST, IDC_LABEL, IDC_NUMBER, IDC_NARROW, IDC_ASK
    };
    CWin32ProbeDlg() : CScriptedDialog(IDD) {}

    // Installs the probe's template beside the application's own.
    static void InstallResources();

    std::map<int, int> m_nCount;  // notifications seen, by control and code
    // Called with every notification that reaches a handler, for the interactive probe.
    std::function<void(int nID, int nCode)> m_fnLog;
    int m_nNumber = 7;
    CString m_strText = "start";
    int m_bFlag = 0;
    int m_nAnswer = 0;
    bool m_bThrowFromAct = false;
    bool m_bRefuseCancel = false;
    int m_nCancelRefused = 0;

    int Count(int nID, int nCode) const
    {
        auto it = m_nCount.find(Key(nID, nCode));
        return it == m_nCount.end() ? 0 : it->second;
    }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;
    void OnAct();
    void OnOff() { Seen(IDC_OFF, BN_CLICKED); }
    void OnFlag() { Seen(IDC_FLAG, BN_CLICKED); }
    void OnChangeText() { Seen(IDC_TEXT, EN_CHANGE); }
    void OnChangeNumber() { Seen(IDC_NUMBER, EN_CHANGE); }
    void OnChangeDigit() { Seen(IDC_DIGIT, EN_CHANGE); }
    void OnSelChange() { Seen(IDC_LIST, LBN_SELCHANGE); }
    void OnDblClk() { Seen(IDC_LIST, LBN_DBLCLK); }
    void OnHelpKey() { Seen(static_cast<int>(ID_HELP), BN_CLICKED); }
    void OnAsk();

    DECLARE_MESSAGE_MAP()

private:
    static int Key(int nID, int nCode) { return nID * 16 + (nCode == EN_CHANGE ? 3 : nCode); }
    void Seen(int nID, int nCode);
};
