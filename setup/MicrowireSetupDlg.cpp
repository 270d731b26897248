#include "MicrowireSetupDlg.h"

#include "ChipRules.h"
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
    DDX_Pin(pDX, IDC_PIN_CLK, m_nPinClk);
    DDX_Length(pDX, IDC_LENGTH, m_nLength);
    DDX_Pin(pDX, IDC_PIN_DATA_IN, m_nPinDataIn);
    DDX_Pin(pDX, IDC_PIN_DATA_OUT, m_nPinDataOut);
    DDX_Check(pDX, IDC_16_BITS, m_b16Bits);
    DDX_Pin(pDX, IDC_PIN_CS, m_nPinCs);
    DDX_Pattern(pDX, IDC_PORT_READ, m_strPortRead);
    DDX_Pattern(pDX, IDC_PORT_WRITE, m_strPortWrite);
    DDX_Text(pDX, IDC_BITS_ADDRESS, m_nBitsAddress);
    DDV_MinMaxByte(pDX, m_nBitsAddress, kMinBitsAddress, kMaxBitsAddress);
}

BOOL CMicrowireSetupDlg::OnInitDialog()
{
    BOOL bFocus = CSetupFormDlg::OnInitDialog();
    m_strNameEdit = m_strName;
    if (!OpenEntry())
        return FALSE;
    // The kind comes back through m_nVariant from the caller, not from the entry.
    if (m_bNew)
        SetValues(MicrowireChipValues());
    else
        SetValues(MicrowireValuesFromSettings(m_catalog.GetSettings(m_nIndex)));
    UpdateData(FALSE);
    ShowPowerPins();
    UpdatePatterns();
    return bFocus;
}

void CMicrowireSetupDlg::SetValues(const MicrowireChipValues& v)
{
    m_nPowerPins = v.nPowerPins;
    m_nPinClk = v.nPinClk;
    m_nPinDataIn = v.nPinDataIn;
    m_nPinDataOut = v.nPinDataOut;
    m_nPinCs = v.nPinCs;
    m_nBitsAddress = v.nBitsAddress;
    m_nLength = v.nLength;
}

MicrowireChipValues CMicrowireSetupDlg::GetValues() const
{
    MicrowireChipValues v;
    v.nVariant = m_nVariant;
    v.nPowerPins = m_nPowerPins;
    v.nPinClk = m_nPinClk;
    v.nPinDataIn = m_nPinDataIn;
    v.nPinDataOut = m_nPinDataOut;
    v.nPinCs = m_nPinCs;
    v.nBitsAddress = m_nBitsAddress;
    v.nLength = m_nLength;
    return v;
}

void CMicrowireSetupDlg::UpdatePatterns()
{
    // A rejected box has been reported; the patterns follow the fields as they stand,
    // and the write-back shows the field's value in that box again.
    UpdateData(TRUE);
    BYTE nPortMask = PinToMask(m_nPinDataOut);
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
    if (!SaveEntry(BuildMicrowireSettings(GetValues())))
        return;
    CSetupFormDlg::OnOK();
}
