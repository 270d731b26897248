#include "MicrowireSetupDlg.h"

#include "DataExchange.h"
#include "PinConversions.h"
#include "Resource.h"

BEGIN_MESSAGE_MAP(CMicrowireSetupDlg, CSetupFormDlg)
    ON_EN_CHANGE(IDC_PIN_DATA_IN, OnChangePinDataIn)
    // The patterns follow the data-out pin, so its box refreshes them too.
    ON_EN_CHANGE(IDC_PIN_DATA_OUT, OnChangePinDataOut)
END_MESSAGE_MAP()

CMicrowireSetupDlg::CMicrowireSetupDlg(CWnd* pParent)
    : CSetupFormDlg(IDD_SETUP_MICROWIRE, pParent)
{
}

void CMicrowireSetupDlg::DoDataExchange(CDataExchange* pDX)
{
    // The order decides where a read stops when a value is rejected.
    DDX_PowerPins(pDX);
    DDX_Text(pDX, IDC_NAME, m_strNameEdit);
    DDX_Pin(pDX, IDC_PIN_CLK, m_values.nPinClk);
    DDX_Length(pDX, IDC_LENGTH, m_values.nLength);
    DDX_Pin(pDX, IDC_PIN_DATA_IN, m_values.nPinDataIn);
    DDX_Pin(pDX, IDC_PIN_DATA_OUT, m_values.nPinDataOut);
    DDX_Check(pDX, IDC_16_BITS, m_b16Bits);
    DDX_Pin(pDX, IDC_PIN_CS, m_values.nPinCs);
    DDX_Pattern(pDX, IDC_PORT_READ, m_strPortRead);
    DDX_Pattern(pDX, IDC_PORT_WRITE, m_strPortWrite);
    DDX_Text(pDX, IDC_BITS_ADDRESS, m_values.nBitsAddress);
    DDV_MinMaxByte(pDX, m_values.nBitsAddress, kMinBitsAddress, kMaxBitsAddress);
}

BOOL CMicrowireSetupDlg::OnInitDialog()
{
    BOOL bFocus = CSetupFormDlg::OnInitDialog();
    m_strNameEdit = m_strName;
    if (!OpenEntry())
        return FALSE;
    // The kind comes back through m_nVariant from the caller, not from the entry.
    m_values = m_bNew ? MicrowireChipValues() : MicrowireValuesFromSettings(m_catalog.GetSettings(m_nIndex));
    m_values.nVariant = m_nVariant;
    UpdateData(FALSE);
    ShowPowerPins();
    UpdatePatterns();
    return bFocus;
}

void CMicrowireSetupDlg::UpdatePatterns()
{
    // A rejected box has been reported; the patterns follow the fields as they stand,
    // and the write-back shows the field's value in that box again.
    UpdateData(TRUE);
    BYTE nPortMask = PinToMask(m_values.nPinDataOut);
    m_nPortRead = nPortMask;
    m_nPortWrite = nPortMask;
    m_strPortRead = FormatBinary8(m_nPortRead);
    m_strPortWrite = FormatBinary8(m_nPortWrite);
    UpdateData(FALSE);
}

void CMicrowireSetupDlg::OnChangePinDataIn()
{
    UpdatePatterns();
}

void CMicrowireSetupDlg::OnChangePinDataOut()
{
    UpdatePatterns();
}

void CMicrowireSetupDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    // Bytes 9 and 10 are built from the data-out pin, which every change of its box
    // has already shown in the patterns.
    const ChipSettings settings = BuildMicrowireSettings(m_values);
    if (!ConfirmPartNumber(PartBus::microwire, settings, m_nVariant + 1) || !SaveEntry(settings))
        return;
    CSetupFormDlg::OnOK();
}
