#pragma once

#include "SetupFormDlg.h"

struct I2CChipValues;

// "Setup I2C Memory": creates or edits one I2C chip (kind 0).
class CI2CSetupDlg : public CSetupFormDlg {
public:
    explicit CI2CSetupDlg(CWnd* pParent = nullptr);

    // The caller's inputs m_nIndex, m_bNew and m_strName are in the base.
    BYTE m_nPortWrite = 0;
    BYTE m_nPortRead = 0;
    BYTE m_nPinClk = 0;
    BYTE m_nPinData = 0;
    BYTE m_nWriteBuffer = 0;
    int m_nLength = 0;
    CString m_strAddrI2C;
    CString m_strPortRead;
    CString m_strPortWrite;
    BYTE m_nDeviceAddress = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void UpdatePatterns() override;
    void OnChangePinData();

    DECLARE_MESSAGE_MAP()

private:
    void SetValues(const I2CChipValues& v);
    I2CChipValues GetValues() const;
};
