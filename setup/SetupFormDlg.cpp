#include "SetupFormDlg.h"

#include "CatalogFile.h"
#include "ChipRules.h"
#include "DataExchange.h"
#include "PartQuestion.h"
#include "PinConversions.h"
#include "Resource.h"
#include "WinApp.h"

namespace {

// The boxes in exchange order: element i of m_bPowerPin is the box labelled i + 1.
const int kPowerPinIDs[8] = {
    IDC_POWER_PIN1, IDC_POWER_PIN2, IDC_POWER_PIN3, IDC_POWER_PIN4,
    IDC_POWER_PIN5, IDC_POWER_PIN6, IDC_POWER_PIN7, IDC_POWER_PIN8,
};

// The eight boxes take the IDs from the first to the last, though not in the order of
// their labels, so one range of the message map covers them all.
constexpr int kFirstPowerPinID = IDC_POWER_PIN1;
constexpr int kLastPowerPinID = IDC_POWER_PIN5;
static_assert(kLastPowerPinID - kFirstPowerPinID == 7, "the power pin boxes take eight IDs in a row");

}  // namespace

BEGIN_MESSAGE_MAP(CSetupFormDlg, CDialog)
    ON_CONTROL_RANGE(BN_CLICKED, kFirstPowerPinID, kLastPowerPinID, OnPowerPinClicked)
END_MESSAGE_MAP()

CSetupFormDlg::CSetupFormDlg(UINT nIDTemplate, CWnd* pParent, BYTE& nPowerPins)
    : CDialog(nIDTemplate, pParent), m_nPowerPins(nPowerPins), m_edit(AfxMessageBox)
{
}

BOOL CSetupFormDlg::OnInitDialog()
{
    BOOL bFocus = CDialog::OnInitDialog();
    m_strNameEdit = m_strName;
    if (!OpenEntry())
        return FALSE;
    LoadValues();
    UpdateData(FALSE);
    ShowPowerPins();
    UpdatePatterns();
    return bFocus;
}

void CSetupFormDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    // The settings are built from the same fields the last pattern refresh used, so the
    // stored bytes match what the form showed.
    const ChipSettings settings = BuildSettings();
    if (!ConfirmPartNumber(settings) || !SaveEntry(settings))
        return;
    CDialog::OnOK();
}

void CSetupFormDlg::DDX_PowerPins(CDataExchange* pDX)
{
    for (int i = 0; i < 8; ++i)
        DDX_Check(pDX, kPowerPinIDs[i], m_bPowerPin[i]);
}

void CSetupFormDlg::ShowPowerPins()
{
    PowerPinsToChecks(m_nPowerPins, m_bPowerPin);
    UpdateData(FALSE);
}

void CSetupFormDlg::OnPowerPinClicked()
{
    // The boxes are exchanged first, so they are current even when a later box is
    // rejected; the platform has then already shown its prompt.
    UpdateData(TRUE);
    m_nPowerPins = ChecksToPowerPins(m_bPowerPin);
    ShowPatterns();
}

void CSetupFormDlg::OnPatternSourceChanged()
{
    UpdatePatterns();
}

void CSetupFormDlg::UpdatePatterns()
{
    // A rejected box has been reported; the patterns follow the fields as they stand.
    UpdateData(TRUE);
    ShowPatterns();
}

void CSetupFormDlg::ShowPatterns()
{
    const ChipSettings settings = BuildSettings();
    m_nDeviceAddress = settings[ChipSettings::DeviceAddress];
    m_nPortRead = settings[ChipSettings::PortRead];
    m_nPortWrite = settings[ChipSettings::PortWrite];
    m_strAddrI2C = FormatBinary8(m_nDeviceAddress);
    m_strPortRead = FormatBinary8(m_nPortRead);
    m_strPortWrite = FormatBinary8(m_nPortWrite);
    UpdateData(FALSE);
}

void CSetupFormDlg::DoDataExchange(CDataExchange* pDX)
{
    if (pDX->m_bSaveAndValidate)
        m_idReadStop = 0;
    else
        pDX->m_idReadStop = m_idReadStop;
    try {
        ExchangeBoxes(pDX);
    } catch (const CUserException&) {
        m_idReadStop = pDX->m_idLastControl;
        throw;
    }
}

void CSetupFormDlg::DDX_Field(CDataExchange* pDX, int nIDC, ChipValue value, BYTE& nValue)
{
    const ChipValueInfo& info = ChipValueInfoOf(value);
    m_nValueBox[static_cast<int>(value)] = nIDC;
    DDX_Text(pDX, nIDC, nValue);
    DDV_MinMaxByte(pDX, nValue, static_cast<BYTE>(info.nMin), static_cast<BYTE>(info.nMax));
}

void CSetupFormDlg::DDX_Field(CDataExchange* pDX, int nIDC, ChipValue value, int& nValue)
{
    const ChipValueInfo& info = ChipValueInfoOf(value);
    m_nValueBox[static_cast<int>(value)] = nIDC;
    DDX_Text(pDX, nIDC, nValue);
    DDV_MinMaxInt(pDX, nValue, info.nMin, info.nMax);
}

void CSetupFormDlg::DDX_Pattern(CDataExchange* pDX, int nIDC, CString& strPattern)
{
    DDX_Text(pDX, nIDC, strPattern);
    DDV_MaxChars(pDX, strPattern, 8);
}

void CSetupFormDlg::DDX_PortPatterns(CDataExchange* pDX)
{
    DDX_Pattern(pDX, IDC_PORT_READ, m_strPortRead);
    DDX_Pattern(pDX, IDC_PORT_WRITE, m_strPortWrite);
}

BOOL CSetupFormDlg::OpenEntry()
{
    CCatalogFile::LoadResult result = m_edit.Load(m_catalog, m_file.Path());
    if (!result.Ok())
        return RefuseToOpen(result.strMessage);
    if (m_bNew) {
        m_catalog.AddEmptyEntry();
        m_nIndex = m_catalog.GetEntryCount() - 1;
        return TRUE;
    }
    if (m_nIndex >= 0 && m_nIndex < m_catalog.GetEntryCount()) {
        m_strLoadedName = m_catalog.GetEntryName(m_nIndex);
        m_loadedSettings = m_catalog.GetSettings(m_nIndex);
        return TRUE;
    }
    CString strError;
    strError.Format("%s has no chip at index %d (chip count: %d).",
                    m_file.Path(), m_nIndex, m_catalog.GetEntryCount());
    // It names the file, whose path is UTF-8.
    return RefuseToOpen(CDisplayText::FromUtf8(strError.Str()));
}

BOOL CSetupFormDlg::RefuseToOpen(const CDisplayText& strError)
{
    // Saving this catalogue would write an empty or partial copy over the file, so the
    // form never opens on it.
    AfxMessageBox(strError);
    EndDialog(IDCANCEL);
    return FALSE;
}

BOOL CSetupFormDlg::SaveEntry(const ChipSettings& settings)
{
    m_catalog.SetEntry(m_nIndex, m_strNameEdit, settings.data());
    return m_edit.Save(m_catalog, [&](CChipCatalog& fresh) {
        if (m_bNew) {
            fresh.AddEmptyEntry();
            fresh.SetEntry(fresh.GetEntryCount() - 1, m_strNameEdit, settings.data());
            return true;
        }
        if (m_nIndex >= fresh.GetEntryCount() || fresh.GetEntryName(m_nIndex) != m_strLoadedName ||
            fresh.GetSettings(m_nIndex) != m_loadedSettings)
            return false;
        fresh.SetEntry(m_nIndex, m_strNameEdit, settings.data());
        return true;
    });
}

BOOL CSetupFormDlg::ConfirmPartNumber(const ChipSettings& settings)
{
    PartMatch m;
    if (!MatchPartName(m_strNameEdit.Str(), m))
        return TRUE;
    // An edit that kept the name is asked only about what it changed.
    const std::optional<PartChip> before = PartChipOf(m_catalog, m_loadedSettings);
    const bool bSameChip = !m_bNew && m_strNameEdit == m_strLoadedName && before;
    const std::vector<PartContradiction> found =
        CheckPartChange(m, bSameChip ? &*before : nullptr, *PartChipOf(m_catalog, settings));
    if (found.empty())
        return TRUE;
    const int nType = settings[ChipSettings::Kind];
    const CString strType = nType < m_catalog.GetTypeCount() ? m_catalog.GetTypeName(nType) : CString();
    if (AfxMessageBox(PartQuestionText(m, found, strType), MB_YESNO | MB_DEFBUTTON2) == IDYES)
        return TRUE;
    // A bus or an organisation is the name's to put right.
    const int nBox = m_nValueBox[static_cast<int>(ContradictedValue(found.front().kind))];
    GotoDlgCtrl(nBox ? nBox : IDC_NAME);
    return FALSE;
}
