#include "PartCheck.h"

#include <algorithm>

namespace {

void CheckOrganisation(const PartMatch& m, const PartChip& chip, std::vector<PartContradiction>& found)
{
    const PartFamily& family = *m.pFamily;
    if (chip.org != PartOrg::unknown && m.bOrgFixed && m.org != chip.org)
        found.push_back({PartConflict::organisation, 0, 0, 0, m.org, false});
    const int nBits = chip.nBitsAddress;
    if (nBits < 1 || nBits > 16)
        return;  // outside what the form stores: the entry check's matter
    const bool bOrgOfChip = chip.org != PartOrg::unknown;
    const PartOrg org = bOrgOfChip ? chip.org : m.org;
    if (org != PartOrg::unknown) {
        const int nNeeded = AddressBits(family, org);
        if (nBits != nNeeded)
            found.push_back({PartConflict::addressBits, nNeeded, 0, nBits, org, bOrgOfChip});
    } else if (nBits != family.nBitsX8 && nBits != family.nBitsX16) {
        found.push_back({PartConflict::addressBits, family.nBitsX8, family.nBitsX16, nBits, org, false});
    }
}

// Whether the figure a contradiction speaks of differs between the two chips; a bus or
// an organisation changes only with the name.
bool FigureChanged(PartConflict kind, const PartChip& before, const PartChip& after)
{
    switch (kind) {
    case PartConflict::size:
        return before.nLength != after.nLength;
    case PartConflict::page:
        return before.nWriteBuffer != after.nWriteBuffer;
    case PartConflict::addressBits:
        return before.nBitsAddress != after.nBitsAddress || before.org != after.org;
    case PartConflict::bus:
    case PartConflict::organisation:
        break;
    }
    return before.bus != after.bus || before.org != after.org;
}

}  // namespace

std::vector<PartContradiction> CheckPart(const PartMatch& m, const PartChip& chip)
{
    std::vector<PartContradiction> found;
    const PartFamily& family = *m.pFamily;
    if (family.bus != chip.bus) {
        found.push_back({PartConflict::bus});
        return found;
    }
    if (FitsLengthField(family) && chip.nLength != family.nBytes)
        found.push_back({PartConflict::size, family.nBytes, 0, chip.nLength});
    if (family.bus == PartBus::i2c) {
        if (m.nPage != 0 && chip.nWriteBuffer > m.nPage)
            found.push_back({PartConflict::page, m.nPage, 0, chip.nWriteBuffer});
    } else {
        CheckOrganisation(m, chip, found);
    }
    return found;
}

std::vector<PartContradiction> CheckPartChange(const PartMatch& m, const PartChip* pBefore, const PartChip& after)
{
    std::vector<PartContradiction> found = CheckPart(m, after);
    if (pBefore) {
        const auto unchanged = [&](const PartContradiction& c) { return !FigureChanged(c.kind, *pBefore, after); };
        found.erase(std::remove_if(found.begin(), found.end(), unchanged), found.end());
    }
    return found;
}

ChipValue ContradictedValue(PartConflict kind)
{
    static const ChipValue kValues[] = {ChipValue::none, ChipValue::length, ChipValue::writeBuffer, ChipValue::none,
                                        ChipValue::bitsAddress};
    return kValues[static_cast<int>(kind)];
}

std::vector<PartFigure> PartFigures(const PartMatch& m, PartOrg org)
{
    const PartFamily& family = *m.pFamily;
    std::vector<PartFigure> figures;
    if (FitsLengthField(family))
        figures.push_back({ChipValue::length, family.nBytes});
    figures.push_back(family.bus == PartBus::i2c ? PartFigure{ChipValue::writeBuffer, m.nPage}
                                                 : PartFigure{ChipValue::bitsAddress, AddressBits(family, org)});
    return figures;
}

std::optional<PartChip> PartChipOf(const CChipCatalog& catalog, const ChipSettings& s)
{
    const int nKind = s[ChipSettings::Kind];
    const ChipFamily family = FamilyOfKind(nKind);
    if (family == ChipFamily::other)
        return std::nullopt;
    const bool bMicrowire = family == ChipFamily::microwire;
    return PartChip{bMicrowire ? PartBus::microwire : PartBus::i2c, s.GetLength(), s[ChipSettings::WriteBufferOrCsMask],
                    s[ChipSettings::AddressFormat], bMicrowire ? TypeOrganisation(catalog, nKind) : PartOrg::unknown};
}

PartOrg TypeOrganisation(const CChipCatalog& catalog, int nType)
{
    if (nType < 0 || nType >= catalog.GetTypeCount())
        return PartOrg::unknown;
    return OrgInText(catalog.GetTypeName(nType).Str());
}
