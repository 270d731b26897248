#include "PartQuestion.h"

#include "Resource.h"

#include <string>

namespace {

// Each contradiction names one box of the form by its label. A bus or an organisation
// the form cannot change is the name's to fix.
struct QuestionField {
    PartConflict kind;
    int nID;
    const char* pszLabel;
};

const QuestionField kFields[] = {
    {PartConflict::bus, IDC_NAME, "Name"},
    {PartConflict::size, IDC_LENGTH, "Lenght"},
    {PartConflict::writeBuffer, IDC_WRITE_BUFFER, "Write buffer"},
    {PartConflict::organisation, IDC_NAME, "Name"},
    {PartConflict::addressBits, IDC_BITS_ADDRESS, "Bits address"},
};

const QuestionField& FieldOf(PartConflict kind)
{
    for (const QuestionField& field : kFields)
        if (field.kind == kind)
            return field;
    return kFields[0];
}

std::string Figure(const char* pszLabel, long nGiven)
{
    return std::string(pszLabel) + " is " + std::to_string(nGiven) + ".";
}

std::string Line(const PartMatch& m, const PartContradiction& c, const CString& strTypeName)
{
    const std::string strPart = m.strPart + " is a " + m.pFamily->pszName;
    const std::string strType = "the type \"" + strTypeName.Str() + "\"";
    const char* pszLabel = FieldOf(c.kind).pszLabel;
    switch (c.kind) {
    case PartConflict::bus:
        return m.pFamily->bus == PartBus::i2c ? strPart + ", an I2C part; this form sets up Microwire chips."
                                              : strPart + ", a Microwire part; this form sets up I2C chips.";
    case PartConflict::size:
        return strPart + ", which holds " + std::to_string(c.nPart) + " bytes; " + Figure(pszLabel, c.nGiven);
    case PartConflict::writeBuffer:
        return strPart + ", which writes " + std::to_string(c.nPart) + " bytes a page; " + Figure(pszLabel, c.nGiven);
    case PartConflict::organisation:
        return strPart + ", " + PartOrgName(c.org) + " only (" + m.strOrgReason + "); " + strType + " is " +
               (c.org == PartOrg::x8 ? "x16." : "x8.");
    case PartConflict::addressBits:
        break;
    }
    if (c.org == PartOrg::unknown)
        return strPart + ", which takes " + std::to_string(c.nPart) + " address bits in x8 or " +
               std::to_string(c.nPartX16) + " in x16; " + Figure(pszLabel, c.nGiven);
    return strPart + ", which takes " + std::to_string(c.nPart) + " address bits in " + PartOrgName(c.org) + " (" +
           (c.bOrgOfChip ? strType : m.strOrgReason) + "); " + Figure(pszLabel, c.nGiven);
}

}  // namespace

CString PartQuestionText(const PartMatch& m, const std::vector<PartContradiction>& found, const CString& strTypeName)
{
    std::string strText;
    for (const PartContradiction& c : found)
        strText += Line(m, c, strTypeName) + "\n";
    return CString(strText + "Save anyway?");
}

int PartQuestionFocus(const std::vector<PartContradiction>& found)
{
    return found.empty() ? IDC_NAME : FieldOf(found.front().kind).nID;
}
