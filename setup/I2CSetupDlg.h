#pragma once

#include "ChipRules.h"
#include "SetupFormDlg.h"

// "Setup I2C Memory": creates or edits one I2C chip (kind 0).
class CI2CSetupDlg : public CSetupFormDlg {
public:
    explicit CI2CSetupDlg(CWnd* pParent = nullptr);

    // The caller's inputs m_nIndex, m_bNew and m_strName are in the base. The boxes
    // exchange the fields of m_values directly.
    I2CChipValues m_values;
    BYTE m_nPortWrite = 0;
    BYTE m_nPortRead = 0;
    CString m_strAddrI2C;
    CString m_strPortRead;
    CString m_strPortWrite;
    BYTE m_nDeviceAddress = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void UpdatePatterns() override;
    BYTE& PowerPins() override { return m_values.nPowerPins; }
    void OnChangePinData();

    DECLARE_MESSAGE_MAP()
};
