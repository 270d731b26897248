#pragma once

#include "ChipRules.h"
#include "Resource.h"
#include "SetupFormDlg.h"

// "Setup I2C Memory": creates or edits one I2C chip (kind 0).
class CI2CSetupDlg : public CSetupFormDlg {
public:
    explicit CI2CSetupDlg(CWnd* pParent = nullptr)
        : CSetupFormDlg(IDD_SETUP_I2C, pParent, m_values.nPowerPins)
    {
    }

    // The caller's inputs m_nIndex, m_bNew and m_strName are in the base. The boxes
    // exchange the fields of m_values directly.
    I2CChipValues m_values;

protected:
    void LoadValues() override;
    void ExchangeBoxes(CDataExchange* pDX) override;
    ChipSettings BuildSettings() const override;

    DECLARE_MESSAGE_MAP()
};
