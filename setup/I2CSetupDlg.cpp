#include "I2CSetupDlg.h"

#include "DataExchange.h"
#include "Resource.h"

BEGIN_MESSAGE_MAP(CI2CSetupDlg, CSetupFormDlg)
    ON_EN_CHANGE(IDC_PIN_DATA, OnPatternSourceChanged)
END_MESSAGE_MAP()

void CI2CSetupDlg::LoadValues()
{
    m_values = m_bNew ? I2CChipValues() : I2CValuesFromSettings(m_catalog.GetSettings(m_nIndex));
}

void CI2CSetupDlg::ExchangeBoxes(CDataExchange* pDX)
{
    DDX_PowerPins(pDX);
    DDX_Field(pDX, IDC_PIN_CLK, ChipValue::pinClk, m_values.nPinClk);
    DDX_Field(pDX, IDC_PIN_DATA, ChipValue::pinData, m_values.nPinData);
    DDX_Field(pDX, IDC_WRITE_BUFFER, ChipValue::writeBuffer, m_values.nWriteBuffer);
    DDX_Field(pDX, IDC_LENGTH, ChipValue::length, m_values.nLength);
    DDX_Pattern(pDX, IDC_ADDR_I2C, m_strAddrI2C);
    DDX_PortPatterns(pDX);
    DDX_Text(pDX, IDC_NAME, m_strNameEdit);
}

ChipSettings CI2CSetupDlg::BuildSettings() const
{
    return BuildI2CSettings(m_values);
}
