#include "MicrowireSetupDlg.h"

#include "DataExchange.h"
#include "Resource.h"

BEGIN_MESSAGE_MAP(CMicrowireSetupDlg, CSetupFormDlg)
    ON_EN_CHANGE(IDC_PIN_DATA_IN, OnPatternSourceChanged)
    // The patterns follow the data-out pin, so its box refreshes them too.
    ON_EN_CHANGE(IDC_PIN_DATA_OUT, OnPatternSourceChanged)
END_MESSAGE_MAP()

void CMicrowireSetupDlg::LoadValues()
{
    // The kind comes from the caller through m_nVariant, not from the entry.
    m_values = m_bNew ? MicrowireChipValues() : MicrowireValuesFromSettings(m_catalog.GetSettings(m_nIndex));
    m_values.nVariant = m_nVariant;
}

void CMicrowireSetupDlg::ExchangeBoxes(CDataExchange* pDX)
{
    DDX_PowerPins(pDX);
    DDX_Text(pDX, IDC_NAME, m_strNameEdit);
    DDX_Field(pDX, IDC_PIN_CLK, ChipValue::pinClk, m_values.nPinClk);
    DDX_Field(pDX, IDC_LENGTH, ChipValue::length, m_values.nLength);
    DDX_Field(pDX, IDC_PIN_DATA_IN, ChipValue::pinDataIn, m_values.nPinDataIn);
    DDX_Field(pDX, IDC_PIN_DATA_OUT, ChipValue::pinDataOut, m_values.nPinDataOut);
    DDX_Check(pDX, IDC_16_BITS, m_b16Bits);
    DDX_Field(pDX, IDC_PIN_CS, ChipValue::pinCs, m_values.nPinCs);
    DDX_PortPatterns(pDX);
    DDX_Field(pDX, IDC_BITS_ADDRESS, ChipValue::bitsAddress, m_values.nBitsAddress);
}

ChipSettings CMicrowireSetupDlg::BuildSettings() const
{
    return BuildMicrowireSettings(m_values);
}
