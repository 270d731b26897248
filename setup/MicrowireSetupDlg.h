#pragma once

#include "SetupFormDlg.h"

struct MicrowireChipValues;

// "Setup Microwire Memory": creates or edits one Microwire chip (kinds 1 to 3).
class CMicrowireSetupDlg : public CSetupFormDlg {
public:
    explicit CMicrowireSetupDlg(CWnd* pParent = nullptr);

    int m_nVariant = 0;  // input: 0..2, stored as kind variant + 1
    int m_b16Bits = 0;   // input: shown in the disabled "16 bits" box, never stored
    BYTE m_nPinClk = 0;
    int m_nLength = 0;
    BYTE m_nPinDataIn = 0;
    BYTE m_nPinDataOut = 0;
    BYTE m_nPinCs = 0;
    CString m_strPortRead;
    CString m_strPortWrite;
    BYTE m_nBitsAddress = 0;
    BYTE m_nPortWrite = 0;
    BYTE m_nPortRead = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void UpdatePatterns() override;
    void OnChangePinDataIn();
    void OnChangePinDataOut();

    DECLARE_MESSAGE_MAP()

private:
    void SetValues(const MicrowireChipValues& v);
    MicrowireChipValues GetValues() const;
};
