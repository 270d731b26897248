#include "PartQuestion.h"

#include <string>

namespace {

// "Lenght is 4096.": the figure typed, by the label of its box.
std::string Figure(const PartContradiction& c)
{
    return std::string(ChipValueInfoOf(ContradictedValue(c.kind)).pszLabel) + " is " + std::to_string(c.nGiven) + ".";
}

std::string Line(const PartMatch& m, const PartContradiction& c, const CString& strTypeName)
{
    const std::string strPart = m.strPart + " is a " + m.pFamily->pszName;
    const std::string strType = "the type \"" + strTypeName.Str() + "\"";
    switch (c.kind) {
    case PartConflict::bus:
        return m.pFamily->bus == PartBus::i2c ? strPart + ", an I2C part; this form sets up Microwire chips."
                                              : strPart + ", a Microwire part; this form sets up I2C chips.";
    case PartConflict::size:
        return strPart + ", which holds " + std::to_string(c.nPart) + " bytes; " + Figure(c);
    case PartConflict::page:
        return strPart + ", which writes " + std::to_string(c.nPart) + " bytes a page; " + Figure(c);
    case PartConflict::organisation:
        return strPart + ", " + PartOrgName(c.org) + " only (" + m.strOrgReason + "); " + strType + " is " +
               (c.org == PartOrg::x8 ? "x16." : "x8.");
    case PartConflict::addressBits:
        break;
    }
    if (c.org == PartOrg::unknown)
        return strPart + ", which takes " + std::to_string(c.nPart) + " address bits in x8 or " +
               std::to_string(c.nPartX16) + " in x16; " + Figure(c);
    return strPart + ", which takes " + std::to_string(c.nPart) + " address bits in " + PartOrgName(c.org) + " (" +
           (c.bOrgOfChip ? strType : m.strOrgReason) + "); " + Figure(c);
}

}  // namespace

CString PartQuestionText(const PartMatch& m, const std::vector<PartContradiction>& found, const CString& strTypeName)
{
    std::string strText;
    for (const PartContradiction& c : found)
        strText += Line(m, c, strTypeName) + "\n";
    return CString(strText + "Save anyway?");
}
