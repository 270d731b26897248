#pragma once

#include "ChipRules.h"
#include "SetupFormDlg.h"

// "Setup Microwire Memory": creates or edits one Microwire chip (kinds 1 to 3).
class CMicrowireSetupDlg : public CSetupFormDlg {
public:
    explicit CMicrowireSetupDlg(CWnd* pParent = nullptr);

    int m_nVariant = 0;  // input: 0..2, stored as kind variant + 1
    int m_b16Bits = 0;   // input: shown in the disabled "16 bits" box, never stored
    // The boxes exchange the fields of m_values directly; its variant is m_nVariant's.
    MicrowireChipValues m_values;
    CString m_strPortRead;
    CString m_strPortWrite;
    BYTE m_nPortWrite = 0;
    BYTE m_nPortRead = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void UpdatePatterns() override;
    BYTE& PowerPins() override { return m_values.nPowerPins; }
    void OnChangePinDataIn();
    void OnChangePinDataOut();

    DECLARE_MESSAGE_MAP()
};
