#include "Commands.h"

#include "ChipView.h"
#include "EntryCheck.h"
#include "NameText.h"

namespace {

const char* SeverityName(Severity severity)
{
    return severity == Severity::error ? "error" : "warning";
}

std::string BytesText(const ChipSettings& s)
{
    return HexEncode(std::string(s.bytes.begin(), s.bytes.end()), true);
}

void PrintRow(std::ostream& out, const std::string& strLabel, const std::string& strText)
{
    std::string strPadded = strLabel + ":";
    strPadded.resize(std::max<std::size_t>(strPadded.size() + 1, 16), ' ');
    out << strPadded << strText << '\n';
}

void PrintChip(const CliContext& ctx, const CChipCatalog& catalog, int nIndex, const std::vector<Finding>& findings)
{
    const ChipSettings s = catalog.GetSettings(nIndex);
    const BYTE nKind = s[ChipSettings::Kind];
    PrintRow(ctx.out, "Chip", EntryLabel(catalog, nIndex, ctx.cp));
    PrintRow(ctx.out, "Kind", std::to_string(nKind) + ", " + KindLabel(nKind) + ": " + FormLabel(nKind));
    for (const FormRow& row : FormRowsOf(s))
        PrintRow(ctx.out, row.strLabel, row.strText);
    if (FamilyOfKind(nKind) == ChipFamily::other) {
        for (const ChipField& field : ChipFieldsOf(ChipFamily::other)) {
            if (field.nByte != ChipSettings::Kind)
                PrintRow(ctx.out, field.pszName, FieldText(field, s));
        }
    }
    PrintRow(ctx.out, "Bytes", BytesText(s));
    for (const Finding& finding : findings)
        PrintRow(ctx.out, "Note", std::string(SeverityName(finding.severity)) + ": " + finding.strText);
}

Json ChipJson(const CliContext& ctx, const CChipCatalog& catalog, int nIndex, const std::vector<Finding>& findings)
{
    const ChipSettings s = catalog.GetSettings(nIndex);
    const BYTE nKind = s[ChipSettings::Kind];
    Json chip = {{"index", nIndex}};
    AddNameJson(chip, catalog.Entries()[nIndex].name.Str(), ctx.cp);
    chip["kind"] = nKind;
    chip["family"] = FamilyName(FamilyOfKind(nKind));
    chip["form"] = FormLabel(nKind);
    chip["values"] = ChipValuesJson(s);
    chip["bytes"] = BytesText(s);
    Json notes = Json::array();
    for (const Finding& finding : findings)
        notes.push_back({{"severity", SeverityName(finding.severity)}, {"text", finding.strText}});
    chip["notes"] = notes;
    return chip;
}

}  // namespace

void RunShow(CliContext& ctx, const ShowOptions& options)
{
    CChipCatalog catalog;
    LoadCatalog(ctx, catalog, MissingFile::isError);
    const int nIndex = FindEntry(ctx, catalog, options.chip);
    std::vector<Finding> findings;
    CheckEntry(catalog.GetSettings(nIndex), nIndex, findings);
    if (options.bJson)
        ctx.out << ChipJson(ctx, catalog, nIndex, findings).dump(2) << '\n';
    else
        PrintChip(ctx, catalog, nIndex, findings);
}

void RunTypes(CliContext& ctx, bool bJson)
{
    CChipCatalog catalog;
    LoadCatalog(ctx, catalog, MissingFile::isError);
    Json list = Json::array();
    for (int i = 0; i < catalog.GetTypeCount(); ++i) {
        const std::string strForm = i <= 3 ? FormLabel(static_cast<BYTE>(i)) : "no form";
        const std::string strName = catalog.GetTypeName(i).Str();
        if (!bJson) {
            std::string strLine = std::to_string(i);
            strLine.resize(std::max<std::size_t>(strLine.size() + 1, 4), ' ');
            strLine += strForm;
            strLine.resize(std::max<std::size_t>(strLine.size() + 2, 32), ' ');
            ctx.out << strLine << DisplayText(strName, ctx.cp) << '\n';
            continue;
        }
        Json item = {{"position", i}};
        AddNameJson(item, strName, ctx.cp);
        item["form"] = strForm;
        list.push_back(item);
    }
    if (bJson)
        ctx.out << list.dump(2) << '\n';
}
