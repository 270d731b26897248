#include "I2CSetupDlg.h"

#include "DataExchange.h"
#include "PinConversions.h"
#include "Resource.h"

BEGIN_MESSAGE_MAP(CI2CSetupDlg, CSetupFormDlg)
    ON_EN_CHANGE(IDC_PIN_DATA, OnChangePinData)
END_MESSAGE_MAP()

CI2CSetupDlg::CI2CSetupDlg(CWnd* pParent)
    : CSetupFormDlg(IDD_SETUP_I2C, pParent)
{
}

void CI2CSetupDlg::DoDataExchange(CDataExchange* pDX)
{
    // The order decides where a read stops when a value is rejected.
    DDX_PowerPins(pDX);
    DDX_Pin(pDX, IDC_PIN_CLK, m_values.nPinClk);
    DDX_Pin(pDX, IDC_PIN_DATA, m_values.nPinData);
    DDX_Text(pDX, IDC_WRITE_BUFFER, m_values.nWriteBuffer);
    DDV_MinMaxByte(pDX, m_values.nWriteBuffer, 0, kMaxWriteBuffer);
    DDX_Length(pDX, IDC_LENGTH, m_values.nLength);
    DDX_Pattern(pDX, IDC_ADDR_I2C, m_strAddrI2C);
    DDX_Pattern(pDX, IDC_PORT_READ, m_strPortRead);
    DDX_Pattern(pDX, IDC_PORT_WRITE, m_strPortWrite);
    DDX_Text(pDX, IDC_NAME, m_strNameEdit);
}

BOOL CI2CSetupDlg::OnInitDialog()
{
    BOOL bFocus = CSetupFormDlg::OnInitDialog();
    m_strNameEdit = m_strName;
    if (!OpenEntry())
        return FALSE;
    m_nPortWrite = 0;
    m_values = m_bNew ? I2CChipValues() : I2CValuesFromSettings(m_catalog.GetSettings(m_nIndex));
    m_nDeviceAddress = I2CDeviceAddress(m_values.nPowerPins);
    UpdateData(FALSE);
    ShowPowerPins();
    UpdatePatterns();
    return bFocus;
}

void CI2CSetupDlg::UpdatePatterns()
{
    // A rejected box has been reported; the patterns follow the fields as they stand,
    // and the write-back shows the field's value in that box again.
    UpdateData(TRUE);
    m_nDeviceAddress = I2CDeviceAddress(m_values.nPowerPins);
    m_strAddrI2C = FormatBinary8(m_nDeviceAddress);
    m_nPortRead = PinToMask(m_values.nPinData);
    m_strPortRead = FormatBinary8(m_nPortRead);
    m_strPortWrite = FormatBinary8(m_nPortWrite);
    UpdateData(FALSE);
}

void CI2CSetupDlg::OnChangePinData()
{
    UpdatePatterns();
}

void CI2CSetupDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    // The device address and port read are derived from the same fields the last
    // pattern refresh used, so the stored bytes match what the form showed.
    const ChipSettings settings = BuildI2CSettings(m_values);
    if (!ConfirmPartNumber(PartBus::i2c, settings, 0) || !SaveEntry(settings))
        return;
    CSetupFormDlg::OnOK();
}
