#pragma once

#include "ChipRules.h"
#include "Resource.h"
#include "SetupFormDlg.h"

// "Setup Microwire Memory": creates or edits one Microwire chip (kinds 1 to 3).
class CMicrowireSetupDlg : public CSetupFormDlg {
public:
    explicit CMicrowireSetupDlg(CWnd* pParent = nullptr)
        : CSetupFormDlg(IDD_SETUP_MICROWIRE, pParent, m_values.nPowerPins)
    {
    }

    int m_nVariant = 0;  // input: 0..2, stored as kind variant + 1
    int m_b16Bits = 0;   // input: shown in the disabled "16 bits" box, never stored
    // The boxes exchange the fields of m_values directly; its variant is m_nVariant's.
    MicrowireChipValues m_values;

protected:
    void LoadValues() override;
    void ExchangeBoxes(CDataExchange* pDX) override;
    ChipSettings BuildSettings() const override;

    DECLARE_MESSAGE_MAP()
};
