#include "PartWarnings.h"

#include "CatalogAccess.h"
#include "ChipView.h"
#include "NameText.h"

namespace {

// "24C02 (24xx02)", how the warnings name what the part number says.
std::string PartLabel(const PartMatch& m)
{
    return m.strPart + " (" + m.pFamily->pszName + ")";
}

// "length 4096": the chip's figure a contradiction speaks of.
std::string ChipFigure(const PartContradiction& c)
{
    return ValueWords(ContradictedValue(c.kind)) + " " + std::to_string(c.nGiven);
}

std::string BitsText(const PartMatch& m, const PartContradiction& c, const std::string& strChipOrg)
{
    const std::string strBits = ChipFigure(c) + " does not fit the part number: ";
    if (c.org == PartOrg::unknown)
        return strBits + PartLabel(m) + " takes " + std::to_string(c.nPart) + " address bits in x8 or " +
               std::to_string(c.nPartX16) + " in x16";
    return strBits + PartLabel(m) + " in " + PartOrgName(c.org) + " (" +
           (c.bOrgOfChip ? strChipOrg : m.strOrgReason) + ") takes " + std::to_string(c.nPart) + " address bits";
}

}  // namespace

std::string PartWarningText(const PartMatch& m, const PartContradiction& c, int nKind, const std::string& strChipOrg)
{
    const bool bI2CPart = m.pFamily->bus == PartBus::i2c;
    switch (c.kind) {
    case PartConflict::bus:
        return "kind " + std::to_string(nKind) + " (" + (bI2CPart ? "Microwire" : "I2C") +
               ") does not fit the part number: " + PartLabel(m) +
               (bI2CPart ? " is an I2C part" : " is a Microwire part");
    case PartConflict::size:
        return ChipFigure(c) + " differs from the part number: " + PartLabel(m) + " holds " +
               std::to_string(c.nPart) + " bytes";
    case PartConflict::page:
        return ChipFigure(c) + " is larger than the page: " + PartLabel(m) + " takes " + std::to_string(c.nPart) +
               " bytes a page, and more wrap round to overwrite the start of the page";
    case PartConflict::organisation:
        return strChipOrg + " does not fit the part number: " + PartLabel(m) + " is " + PartOrgName(c.org) +
               " only (" + m.strOrgReason + ")";
    case PartConflict::addressBits:
        break;
    }
    return BitsText(m, c, strChipOrg);
}

void CheckPartNumbers(const CChipCatalog& catalog, CodePage cp, std::vector<Finding>& findings)
{
    const CChipEntryArray& entries = catalog.Entries();
    for (int i = 0; i < entries.GetSize(); ++i) {
        PartMatch m;
        const ChipSettings& s = entries[i].settings;
        const std::optional<PartChip> chip = PartChipOf(catalog, s);
        if (!chip || !MatchPartName(entries[i].name.Str(), m, cp))
            continue;
        const std::vector<PartContradiction> found = CheckPart(m, *chip);
        const int nKind = s[ChipSettings::Kind];
        const bool bWrongBus = !found.empty() && found.front().kind == PartConflict::bus;
        if (!bWrongBus && !FitsLengthField(*m.pFamily))
            findings.push_back({Severity::warning, i,
                                "the Length field cannot hold the part's size: " + PartLabel(m) + " holds " +
                                    std::to_string(m.pFamily->nBytes) + " bytes, more than the " +
                                    std::to_string(kLengthFieldMax) + " the field holds"});
        for (const PartContradiction& c : found)
            findings.push_back({Severity::warning, i, PartWarningText(m, c, nKind, TypeLabel(catalog, nKind, cp))});
    }
}

void WarnPartContradictions(const CliContext& ctx, const CChipCatalog& catalog, int nIndex, const PartMatch& m,
                            const PartChip* pBefore, std::optional<int> nOrg)
{
    const ChipSettings s = catalog.GetSettings(nIndex);
    const int nKind = s[ChipSettings::Kind];
    std::optional<PartChip> chip = PartChipOf(catalog, s);
    if (!chip)
        return;
    std::string strChipOrg = TypeLabel(catalog, nKind, ctx.cp);
    if (chip->bus == PartBus::microwire && chip->org == PartOrg::unknown && nOrg) {
        chip->org = *nOrg == 8 ? PartOrg::x8 : PartOrg::x16;
        strChipOrg = "--org " + std::to_string(*nOrg);
    }
    const std::string strSubject = ctx.strFile + ": " + EntryLabel(catalog, nIndex, ctx.cp);
    for (const PartContradiction& c : CheckPartChange(m, pBefore, *chip))
        ctx.Warn(strSubject, PartWarningText(m, c, nKind, strChipOrg));
}

std::string TypeLabel(const CChipCatalog& catalog, int nType, CodePage cp)
{
    std::string strLabel = "type " + std::to_string(nType);
    if (nType >= 0 && nType < catalog.GetTypeCount())
        strLabel += " " + QuotedText(catalog.GetTypeName(nType).Str(), cp);
    return strLabel;
}
