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

}  // namespace

BEGIN_MESSAGE_MAP(CSetupFormDlg, CDialog)
    ON_BN_CLICKED(IDC_POWER_PIN1, OnPowerPinClicked)
    ON_BN_CLICKED(IDC_POWER_PIN2, OnPowerPinClicked)
    ON_BN_CLICKED(IDC_POWER_PIN3, OnPowerPinClicked)
    ON_BN_CLICKED(IDC_POWER_PIN4, OnPowerPinClicked)
    ON_BN_CLICKED(IDC_POWER_PIN5, OnPowerPinClicked)
    ON_BN_CLICKED(IDC_POWER_PIN6, OnPowerPinClicked)
    ON_BN_CLICKED(IDC_POWER_PIN7, OnPowerPinClicked)
    ON_BN_CLICKED(IDC_POWER_PIN8, OnPowerPinClicked)
END_MESSAGE_MAP()

CSetupFormDlg::CSetupFormDlg(UINT nIDTemplate, CWnd* pParent)
    : CDialog(nIDTemplate, pParent), m_edit(AfxMessageBox)
{
}

void CSetupFormDlg::DDX_PowerPins(CDataExchange* pDX)
{
    for (int i = 0; i < 8; ++i)
        DDX_Check(pDX, kPowerPinIDs[i], m_bPowerPin[i]);
}

void CSetupFormDlg::ShowPowerPins()
{
    PowerPinsToChecks(PowerPins(), m_bPowerPin);
    UpdateData(FALSE);
}

void CSetupFormDlg::OnPowerPinClicked()
{
    // The boxes are exchanged first, so they are current even when a later box is
    // rejected; the platform has then already shown its prompt.
    UpdateData(TRUE);
    PowerPins() = ChecksToPowerPins(m_bPowerPin);
    UpdatePatterns();
}

void CSetupFormDlg::DDX_Pin(CDataExchange* pDX, int nIDC, BYTE& nPin)
{
    DDX_Text(pDX, nIDC, nPin);
    DDV_MinMaxByte(pDX, nPin, 0, kMaxPin);
}

void CSetupFormDlg::DDX_Length(CDataExchange* pDX, int nIDC, int& nLength)
{
    DDX_Text(pDX, nIDC, nLength);
    DDV_MinMaxInt(pDX, nLength, 0, kMaxChipLength);
}

void CSetupFormDlg::DDX_Pattern(CDataExchange* pDX, int nIDC, CString& strPattern)
{
    DDX_Text(pDX, nIDC, strPattern);
    DDV_MaxChars(pDX, strPattern, 8);
}

BOOL CSetupFormDlg::OpenEntry()
{
    CCatalogFile::LoadResult result = m_edit.Load(m_catalog);
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
                    CCatalogFile::EditorFile(), m_nIndex, m_catalog.GetEntryCount());
    return RefuseToOpen(strError);
}

BOOL CSetupFormDlg::RefuseToOpen(const CString& strError)
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

BOOL CSetupFormDlg::ConfirmPartNumber(PartBus bus, const ChipSettings& settings, int nType)
{
    PartMatch m;
    if (!MatchPartName(m_strNameEdit.Str(), m))
        return TRUE;
    const PartOrg org = bus == PartBus::microwire ? TypeOrganisation(m_catalog, nType) : PartOrg::unknown;
    const PartChip before = PartChipOf(bus, m_loadedSettings, org);
    const bool bSameChip = !m_bNew && m_strNameEdit == m_strLoadedName;
    const std::vector<PartContradiction> found =
        CheckPartChange(m, bSameChip ? &before : nullptr, PartChipOf(bus, settings, org));
    if (found.empty())
        return TRUE;
    const CString strType = nType < m_catalog.GetTypeCount() ? m_catalog.GetTypeName(nType) : CString();
    if (AfxMessageBox(PartQuestionText(m, found, strType), MB_YESNO | MB_DEFBUTTON2) == IDYES)
        return TRUE;
    GotoDlgCtrl(PartQuestionFocus(found));
    return FALSE;
}
