#include "PartAdd.h"

#include "ChipView.h"
#include "CliError.h"
#include "NameText.h"
#include "PartName.h"
#include "PartWarnings.h"

#include <vector>

namespace {

struct PartContext {
    const CliContext& ctx;
    const CChipCatalog& catalog;
    const PartMatch& m;
    std::vector<std::string> assumed;
};

void Note(const CliContext& ctx, const std::string& strSubject, const std::string& strText)
{
    ctx.err << "orvane-cli: " << strSubject << ": note: " << strText << '\n';
}

std::string OrgText(PartOrg org)
{
    return PartOrgName(org);
}

int I2CType(PartContext& pc, std::optional<int> nType, const AddOptions& options)
{
    if (options.nOrg)
        throw CCliError("--org", "applies to Microwire parts; " + pc.m.strPart + " is an I2C part", exitUsage);
    if (nType && *nType != 0)
        throw CCliError("--type", std::to_string(*nType) + " opens the Microwire form, but " + pc.m.strPart +
                                      " is an I2C part", exitUsage);
    if (!nType)
        pc.assumed.push_back(TypeLabel(pc.catalog, 0, pc.ctx.cp));
    return 0;
}

// Takes the part's figures for the values the options leave empty. An explicit value
// stays; the part-number check after the chip is built warns where it contradicts the part.
void FillFromPart(PartContext& pc, PartOrg org, int nKind, ChipValueOptions& v)
{
    for (const PartFigure& figure : PartFigures(pc.m, org)) {
        std::optional<int>& nValue = v[figure.value];
        const std::string strWords = ValueWords(figure.value);
        if (!nValue && figure.nFigure) {
            nValue = static_cast<int>(figure.nFigure);
            pc.assumed.push_back(strWords + " " + std::to_string(*nValue));
        } else if (!nValue) {
            // Only a page can be unknown, for makers whose parts' pages differ.
            const int nDefault = FindChipField(FamilyOfKind(nKind), figure.value)->Read(NewChipSettings(nKind));
            pc.assumed.push_back("the form's " + strWords + " " + std::to_string(nDefault) +
                                 ", as the page of this maker's parts is not known");
        }
    }
}

// Where the Length field cannot hold the part's size, only an explicit --length will do.
void RequireLengthFits(const PartContext& pc, const ChipValueOptions& v)
{
    const PartFamily& family = *pc.m.pFamily;
    if (!v[ChipValue::length] && !FitsLengthField(family))
        throw CCliError("--part",
                        pc.m.strPart + " holds " + std::to_string(family.nBytes) +
                            " bytes, more than the Length field holds (0.." + std::to_string(kLengthFieldMax) +
                            "); give --length to store a length all the same",
                        exitUsage);
}

PartOrg ChooseOrg(PartContext& pc, std::optional<int> nType, std::optional<int> nOrg)
{
    const PartMatch& m = pc.m;
    if (nOrg) {
        const PartOrg given = *nOrg == 8 ? PartOrg::x8 : PartOrg::x16;
        if (m.bOrgFixed && m.org != given)
            throw CCliError("--org", std::to_string(*nOrg) + " does not fit the part: " + m.strPart + " is " +
                                         OrgText(m.org) + " only (" + m.strOrgReason + ")", exitUsage);
        return given;
    }
    if (m.org != PartOrg::unknown) {
        pc.assumed.push_back(OrgText(m.org) + " organisation (" + m.strOrgReason + ")");
        return m.org;
    }
    const PartOrg typeOrg = nType ? TypeOrganisation(pc.catalog, *nType) : PartOrg::unknown;
    if (typeOrg != PartOrg::unknown) {
        pc.assumed.push_back(OrgText(typeOrg) + " organisation, as " + TypeLabel(pc.catalog, *nType, pc.ctx.cp) +
                             " says");
        return typeOrg;
    }
    throw CCliError("--org", m.strPart + " is x8 or x16 as its ORG pin chooses: give --org 8 or --org 16", exitUsage);
}

// The type follows the catalogue's type names where they say x8 or x16.
int MicrowireType(PartContext& pc, std::optional<int> nType, PartOrg org)
{
    const std::string strOrg = OrgText(org);
    if (nType) {
        if (*nType == 0)
            throw CCliError("--type", "0 opens the I2C form, but " + pc.m.strPart + " is a Microwire part", exitUsage);
        const PartOrg typeOrg = TypeOrganisation(pc.catalog, *nType);
        if (typeOrg != PartOrg::unknown && typeOrg != org)
            throw CCliError("--type", TypeLabel(pc.catalog, *nType, pc.ctx.cp) + " is " + OrgText(typeOrg) +
                                          ", but the chip is " + strOrg, exitUsage);
        return *nType;
    }
    for (int i = 1; i <= 3; ++i) {
        if (TypeOrganisation(pc.catalog, i) == org) {
            pc.assumed.push_back(TypeLabel(pc.catalog, i, pc.ctx.cp));
            return i;
        }
    }
    throw CCliError("--type", "no type name at positions 1..3 says " + strOrg + "; give --type", exitUsage);
}

// As the starter catalogue wires a part with an ORG pin: pin 6 powered selects x16.
void PowerOrgPin(PartContext& pc, PartOrg org, ChipValueOptions& v)
{
    if (!v.strPowerPins && org == PartOrg::x16 && !pc.m.bOrgFixed) {
        v.strPowerPins = "6,8";
        pc.assumed.push_back("power pins 6 and 8 (ORG on pin 6 high selects x16)");
    }
}

std::string Joined(const std::vector<std::string>& items)
{
    std::string strText;
    for (const std::string& strItem : items)
        strText += (strText.empty() ? "" : ", ") + strItem;
    return strText;
}

}  // namespace

int ApplyPart(const CliContext& ctx, const CChipCatalog& catalog, std::optional<int> nType, AddOptions& options,
              PartMatch& m)
{
    if (!MatchPartName(*options.strPart, m, CodePage::Utf8))
        throw CCliError("--part", QuotedText(*options.strPart, CodePage::Utf8) +
                                      " holds no part number Orvane knows; orvane-cli parts lists the families",
                        exitUsage);
    if (!options.strName) {
        options.strName = *options.strPart;
        options.bHex = false;  // --hex speaks of a name given in hex, not of the part number
    }
    PartContext pc{ctx, catalog, m, {}};
    int nChosen = 0;
    PartOrg org = PartOrg::unknown;
    if (m.pFamily->bus == PartBus::i2c) {
        nChosen = I2CType(pc, nType, options);
        RequireLengthFits(pc, options.values);
    } else {
        org = ChooseOrg(pc, nType, options.nOrg);
        nChosen = MicrowireType(pc, nType, org);
    }
    FillFromPart(pc, org, nChosen, options.values);
    PowerOrgPin(pc, org, options.values);
    Note(ctx, m.strPart, "read as " + DescribePart(m));
    if (!pc.assumed.empty())
        Note(ctx, m.strPart, "assumed " + Joined(pc.assumed));
    return nChosen;
}
