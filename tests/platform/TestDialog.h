#pragma once

#include "DataExchange.h"
#include "Dialog.h"
#include "HeadlessBackend.h"

#include <functional>

// A dialog of the framework's own tests: a byte box, an int box, a text box, a static
// limited to 8 characters, a check box and an unsorted list, exchanged in that order.
enum TestIds : int {
    IDD_TEST = 900, IDC_BYTE = 10, IDC_INT = 11, IDC_TEXT = 12, IDC_STATIC8 = 13, IDC_CHECK = 14,
    IDC_LIST = 15, IDC_SORTED = 16, IDC_ACTION = 17, IDC_DISABLED = 18
};

class CTestDialog : public CDialog {
public:
    CTestDialog() : CDialog(IDD_TEST) {}

    BYTE m_nByte = 0;
    int m_nInt = 0;
    CString m_strText;
    CString m_strStatic;
    int m_bCheck = 0;
    int m_nSel = -1;
    int m_nMinInt = 0;
    int m_nMaxInt = 1000;

    std::function<void()> m_onAction;
    std::function<BOOL()> m_onInit;
    int m_nChanges = 0;
    int m_nClicks = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnAction();
    void OnChangeText();
    void OnCheckClicked();

    DECLARE_MESSAGE_MAP()
};

// Installs the test template for the life of a test.
void InstallTestResources();
