#include "PartCheck.h"

#include "ChipView.h"
#include "NameText.h"
#include "PartName.h"

namespace {

void Warn(std::vector<Finding>& findings, int nEntry, std::string strText)
{
    findings.push_back({Severity::warning, nEntry, std::move(strText)});
}

// "24C02 (24xx02)", how the warnings name what the part number says.
std::string PartLabel(const PartMatch& m)
{
    return m.strPart + " (" + m.pFamily->pszName + ")";
}

void CheckLength(const ChipSettings& s, int nEntry, const PartMatch& m, std::vector<Finding>& findings)
{
    const PartFamily& family = *m.pFamily;
    const int nLength = s[ChipSettings::LengthLow] + 256 * s[ChipSettings::LengthHigh];
    if (!FitsLengthField(family))
        Warn(findings, nEntry,
             "the Length field cannot hold the part's size: " + PartLabel(m) + " holds " +
                 std::to_string(family.nBytes) + " bytes, more than the " + std::to_string(kLengthFieldMax) +
                 " the field holds");
    else if (nLength != family.nBytes)
        Warn(findings, nEntry,
             "length " + std::to_string(nLength) + " differs from the part number: " + PartLabel(m) + " holds " +
                 std::to_string(family.nBytes) + " bytes");
}

void CheckWriteBuffer(const ChipSettings& s, int nEntry, const PartMatch& m, std::vector<Finding>& findings)
{
    const int nBuffer = s[ChipSettings::WriteBufferOrCsMask];
    if (m.nPage == 0 || nBuffer <= m.nPage)
        return;
    Warn(findings, nEntry,
         "write buffer " + std::to_string(nBuffer) + " is larger than the page: " + PartLabel(m) + " takes " +
             std::to_string(m.nPage) + " bytes a page, and more wrap round to overwrite the start of the page");
}

void CheckOrganisation(const CChipCatalog& catalog, CodePage cp, const ChipSettings& s, int nEntry,
                       const PartMatch& m, std::vector<Finding>& findings)
{
    const PartFamily& family = *m.pFamily;
    const int nKind = s[ChipSettings::Kind];
    const PartOrg typeOrg = TypeOrganisation(catalog, nKind);
    if (typeOrg != PartOrg::unknown && m.bOrgFixed && m.org != typeOrg)
        Warn(findings, nEntry,
             TypeLabel(catalog, nKind, cp) + " does not fit the part number: " + PartLabel(m) + " is " +
                 PartOrgName(m.org) + " only (" + m.strOrgReason + ")");
    const int nBits = s[ChipSettings::AddressFormat];
    if (nBits < 1 || nBits > 16)
        return;  // the entry check reports it as an error
    const PartOrg org = typeOrg != PartOrg::unknown ? typeOrg : m.org;
    const std::string strBits = "bits address " + std::to_string(nBits) + " does not fit the part number: ";
    if (org != PartOrg::unknown) {
        const int nNeeded = AddressBits(family, org);
        const std::string strWhy = typeOrg != PartOrg::unknown ? TypeLabel(catalog, nKind, cp) : m.strOrgReason;
        if (nBits != nNeeded)
            Warn(findings, nEntry,
                 strBits + PartLabel(m) + " in " + PartOrgName(org) + " (" + strWhy + ") takes " +
                     std::to_string(nNeeded) + " address bits");
    } else if (nBits != family.nBitsX8 && nBits != family.nBitsX16) {
        Warn(findings, nEntry,
             strBits + PartLabel(m) + " takes " + std::to_string(family.nBitsX8) + " address bits in x8 or " +
                 std::to_string(family.nBitsX16) + " in x16");
    }
}

void CheckEntryPart(const CChipCatalog& catalog, CodePage cp, int nEntry, const PartMatch& m,
                    std::vector<Finding>& findings)
{
    const ChipSettings& s = catalog.Entries()[nEntry].settings;
    const BYTE nKind = s[ChipSettings::Kind];
    const ChipFamily family = FamilyOfKind(nKind);
    if (family == ChipFamily::other)
        return;
    const bool bI2CPart = m.pFamily->bus == PartBus::i2c;
    if (bI2CPart != (family == ChipFamily::i2c)) {
        Warn(findings, nEntry,
             "kind " + std::to_string(nKind) + " (" + (bI2CPart ? "Microwire" : "I2C") +
                 ") does not fit the part number: " + PartLabel(m) +
                 (bI2CPart ? " is an I2C part" : " is a Microwire part"));
        return;
    }
    CheckLength(s, nEntry, m, findings);
    if (bI2CPart)
        CheckWriteBuffer(s, nEntry, m, findings);
    else
        CheckOrganisation(catalog, cp, s, nEntry, m, findings);
}

}  // namespace

PartOrg TypeOrganisation(const CChipCatalog& catalog, int nType)
{
    if (nType < 0 || nType >= catalog.GetTypeCount())
        return PartOrg::unknown;
    return OrgInText(catalog.GetTypeName(nType).Str());
}

std::string TypeLabel(const CChipCatalog& catalog, int nType, CodePage cp)
{
    std::string strLabel = "type " + std::to_string(nType);
    if (nType >= 0 && nType < catalog.GetTypeCount())
        strLabel += " " + QuotedText(catalog.GetTypeName(nType).Str(), cp);
    return strLabel;
}

void CheckPartNumbers(const CChipCatalog& catalog, CodePage cp, std::vector<Finding>& findings)
{
    const CChipEntryArray& entries = catalog.Entries();
    for (int i = 0; i < entries.GetSize(); ++i) {
        PartMatch m;
        if (MatchPartName(entries[i].name.Str(), m))
            CheckEntryPart(catalog, cp, i, m, findings);
    }
}
