#pragma once

#include "Dialog.h"
#include "ListBox.h"

#include <map>

// The dialog every backend runs. Its control IDs deliberately do not follow the
// template order, its first tab stop is disabled, one check box is no tab stop, and it
// has two default push buttons, so that a backend that walks controls by ID, or takes
// the first default button where the window system takes the last, fails.
class CConformanceDlg : public CDialog {
public:
    enum { IDD = 950 };
    enum Control {
        IDC_OFF = 201, IDC_LABEL = 202, IDC_FLAG = 205, IDC_GO = 210, IDC_TELL = 214, IDC_ASK = 215,
        IDC_ACT = 220, IDC_LIST = 230, IDC_DIGITS = 240, IDC_NAME = 250, IDC_APPLY = 260
    };
    CConformanceDlg() : CDialog(IDD) {}

    // Installs the template for the life of the test program.
    static void InstallResources();

    CString m_strName = "Alpha";
    int m_nDigits = 7;
    int m_nAnswer = 0;
    UINT m_nAskStyle = MB_YESNO;  // the question of IDC_ASK
    std::map<int, int> m_nClicks;  // BN_CLICKED seen, by control
    int m_nNameChanges = 0;
    int m_nSelChanges = 0;
    int m_nHelp = 0;
    std::vector<int> m_nAddedAt;  // what AddString returned for each initial row

    int Clicks(int nID) const
    {
        auto it = m_nClicks.find(nID);
        return it == m_nClicks.end() ? 0 : it->second;
    }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnGo() { ++m_nClicks[IDC_GO]; }
    void OnApply() { ++m_nClicks[IDC_APPLY]; }
    void OnAct();
    void OnAsk();
    void OnTell();
    void OnChangeName() { ++m_nNameChanges; }
    void OnSelChange() { ++m_nSelChanges; }
    void OnHelpKey() { ++m_nHelp; }

    CListBox m_list;

    DECLARE_MESSAGE_MAP()
};
