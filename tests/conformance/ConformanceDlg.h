#pragma once

#include "Dialog.h"
#include "ListBox.h"

#include <functional>
#include <map>
#include <vector>

// The probe dialog that every backend's tests run. Its control IDs deliberately do not
// follow the template order, its first tab stop is disabled, one check box is no tab
// stop, and it has two default push buttons, so that a backend that walks controls by
// ID, or takes the first default button where the window system takes the last, fails.
// It counts every notification that reaches its handlers.
class CConformanceDlg : public CDialog {
public:
    enum { IDD = 950 };
    enum Control {
        IDC_OFF = 201, IDC_LABEL = 202, IDC_FLAG = 205, IDC_GO = 210, IDC_TELL = 214, IDC_ASK = 215,
        IDC_ACT = 220, IDC_LIST = 230, IDC_DIGITS = 240, IDC_ENTRY = 250, IDC_APPLY = 260, IDC_NARROW = 270
    };
    CConformanceDlg() : CDialog(IDD) {}

    // Installs the template for the life of the test program.
    static void InstallResources();
    static const DialogTemplate& Template();

    CString m_strName = "Alpha";
    int m_nDigits = 7;
    int m_bFlag = 0;
    int m_nAnswer = 0;
    UINT m_nAskStyle = MB_YESNO;  // the question of IDC_ASK
    std::vector<int> m_nAddedAt;  // what AddString returned for each initial row
    bool m_bThrowFromAct = false;  // Act then throws 42
    bool m_bRefuseCancel = false;  // OnCancel then keeps the window open
    int m_nCancelRefused = 0;
    // Called with every notification that reaches a handler, for a program to print.
    std::function<void(int nID, int nCode)> m_fnLog;

    // The notifications that reached a handler, by control and code.
    int Count(int nID, int nCode) const;
    int Clicks(int nID) const { return Count(nID, BN_CLICKED); }
    int NameChanges() const { return Count(IDC_ENTRY, EN_CHANGE); }
    int SelChanges() const { return Count(IDC_LIST, LBN_SELCHANGE); }
    int Help() const { return Count(static_cast<int>(ID_HELP), BN_CLICKED); }
    bool NothingNotified() const { return m_seen.empty(); }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;
    void OnGo() { Seen(IDC_GO, BN_CLICKED); }
    void OnApply() { Seen(IDC_APPLY, BN_CLICKED); }
    void OnFlag() { Seen(IDC_FLAG, BN_CLICKED); }
    void OnOff() { Seen(IDC_OFF, BN_CLICKED); }
    void OnAct();
    void OnAsk();
    void OnTell();
    void OnChangeName() { Seen(IDC_ENTRY, EN_CHANGE); }
    void OnChangeDigits() { Seen(IDC_DIGITS, EN_CHANGE); }
    void OnSelChange() { Seen(IDC_LIST, LBN_SELCHANGE); }
    void OnDblClk() { Seen(IDC_LIST, LBN_DBLCLK); }
    void OnHelpKey() { Seen(static_cast<int>(ID_HELP), BN_CLICKED); }

    CListBox m_list;

    DECLARE_MESSAGE_MAP()

private:
    void Seen(int nID, int nCode);

    std::map<std::pair<int, int>, int> m_seen;
};
