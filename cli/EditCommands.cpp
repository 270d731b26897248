#include "Commands.h"

#include "CliError.h"
#include "NameText.h"
#include "PartAdd.h"
#include "PartWarnings.h"

#include <algorithm>
#include <cstdlib>

namespace {

void CheckValues(const ChipValueOptions& o, ChipFamily family)
{
    for (int i = 0; i < static_cast<int>(ChipValue::none); ++i) {
        const ChipValue value = static_cast<ChipValue>(i);
        if (!o[value])
            continue;
        const int n = *o[value];
        const ChipValueInfo& info = ChipValueInfoOf(value);
        if (!FindChipField(family, value))
            throw CCliError(info.pszOption, std::string("does not apply to ") +
                                                (family == ChipFamily::i2c ? "an I2C" : "a Microwire") + " chip",
                            exitUsage);
        if (!info.Accepts(n))
            throw CCliError(info.pszOption, std::to_string(n) + " is outside " + info.RangeText(), exitUsage);
    }
}

// "1,3,8", "none" or a mask such as "0x85".
BYTE ParsePowerPins(const std::string& strText)
{
    if (strText == "none" || strText.empty())
        return 0;
    char* pEnd = nullptr;
    if (strText.rfind("0x", 0) == 0 || strText.rfind("0X", 0) == 0) {
        long n = std::strtol(strText.c_str() + 2, &pEnd, 16);
        if (*pEnd == '\0' && strText.size() > 2 && n >= 0 && n <= 255)
            return static_cast<BYTE>(n);
    } else {
        BYTE nPins = 0;
        for (const char* p = strText.c_str(); *p; p = *pEnd ? pEnd + 1 : pEnd) {
            long n = std::strtol(p, &pEnd, 10);
            if (pEnd == p || n < 1 || n > 8 || (*pEnd != ',' && *pEnd != '\0') || (*pEnd == ',' && !pEnd[1]))
                throw CCliError("--power-pins", "\"" + strText + "\" is not a list of pins 1..8", exitUsage);
            nPins = static_cast<BYTE>(nPins | (1 << (n - 1)));
        }
        return nPins;
    }
    throw CCliError("--power-pins", "\"" + strText + "\" is not a list of pins 1..8 or a mask 0x00..0xFF",
                    exitUsage);
}

// Builds the bytes as the family's form stores them, from its values with the options applied.
ChipSettings BuildSettings(ChipSettings current, bool bNew, int nKind, const ChipValueOptions& o)
{
    const ChipFamily family = FamilyOfKind(static_cast<BYTE>(nKind));
    CheckValues(o, family);
    ChipSettings s = bNew ? NewChipSettings(nKind) : current;
    if (o.strPowerPins)
        s[ChipSettings::PowerPins] = ParsePowerPins(*o.strPowerPins);
    for (const ChipField& field : ChipFieldsOf(family)) {
        const ChipValueInfo& info = ChipValueInfoOf(field.value);
        if (!info.IsTyped())
            continue;
        if (o[field.value])
            field.Write(s, *o[field.value]);
        const int n = field.Read(s);
        if (!info.Accepts(n))
            throw CCliError(info.pszOption, "the chip holds " + std::to_string(n) + ", outside " +
                                                info.RangeText() + ", which the form refuses to store; give a new value",
                            exitUsage);
    }
    return FormStoredSettings(s);
}

bool IsNumber(const std::string& strText)
{
    return !strText.empty() && strText.size() < 10 && strText.find_first_not_of("0123456789") == std::string::npos;
}

// A type given by its position or by its name; the first type of that name wins.
int FindType(const CliContext& ctx, const CChipCatalog& catalog, const std::string& strType)
{
    if (IsNumber(strType))
        return std::atoi(strType.c_str());
    const std::string strName = NameFromArgument(strType, false, ctx.cp, "type");
    for (int i = 0; i < catalog.GetTypeCount(); ++i) {
        if (catalog.GetTypeName(i).Str() == strName)
            return i;
    }
    throw CCliError(ctx.strFile, "no type named " + QuotedText(strName, ctx.cp));
}

// The editor accepts a name another chip has; say which of the two stays reachable.
void WarnIfTaken(const CliContext& ctx, const CChipCatalog& catalog, const std::string& strName, int nSelf)
{
    const CChipEntryArray& entries = catalog.Entries();
    for (int i = 0; i < entries.GetSize(); ++i) {
        if (i == nSelf || entries[i].name.Str() != strName)
            continue;
        const int nFirst = nSelf >= 0 ? std::min(i, nSelf) : i;
        ctx.Warn(ctx.strFile, "#" + std::to_string(i) + " also has the name " + QuotedText(strName, ctx.cp) +
                                  "; Edit chip and rm reach only #" + std::to_string(nFirst));
        return;
    }
}

}  // namespace

void RunAdd(CliContext& ctx, const AddOptions& given)
{
    ChangeCatalog(ctx, MissingFile::isEmpty, [&](CChipCatalog& catalog) {
        AddOptions options = given;
        std::optional<int> nGivenType;
        if (!options.strType.empty())
            nGivenType = FindType(ctx, catalog, options.strType);
        PartMatch m;
        const std::optional<int> nPartType =
            options.strPart ? ApplyPart(ctx, catalog, nGivenType, options, m) : nGivenType;
        if (!nPartType || !options.strName)
            throw CCliError("add", nPartType ? "give the chip name, or --part" : "give --type, or --part", exitUsage);
        const int nType = *nPartType;
        if (nType > 3)
            throw CCliError(ctx.strFile, "the type at position " + std::to_string(nType) + " opens no form");
        const std::string strName = NameFromArgument(*options.strName, options.bHex, ctx.cp, "chip name");
        const ChipSettings s = BuildSettings(ChipSettings(), true, nType, options.values);
        WarnIfTaken(ctx, catalog, strName, -1);
        catalog.AddEmptyEntry();
        catalog.SetEntry(catalog.GetEntryCount() - 1, strName, s.data());
        // A chip added by --part is checked against that part, whatever its name.
        if (options.strPart || MatchPartName(strName, m, ctx.cp))
            WarnPartContradictions(ctx, catalog, catalog.GetEntryCount() - 1, m, nullptr, options.nOrg);
    });
}

void RunEdit(CliContext& ctx, const EditOptions& options)
{
    ChangeCatalog(ctx, MissingFile::isError, [&](CChipCatalog& catalog) {
        const int nIndex = FindEntry(ctx, catalog, options.chip);
        const ChipSettings current = catalog.GetSettings(nIndex);
        const BYTE nKind = current[ChipSettings::Kind];
        if (FamilyOfKind(nKind) == ChipFamily::other)
            throw CCliError(ctx.strFile, EntryLabel(catalog, nIndex, ctx.cp) + " is of kind " + std::to_string(nKind) +
                                             ", which no form opens");
        std::string strName = catalog.GetEntryName(nIndex).Str();
        if (options.strNewName)
            strName = NameFromArgument(*options.strNewName, options.bNewNameHex, ctx.cp, "--name");
        const ChipSettings s = BuildSettings(current, false, nKind, options.values);
        WarnIfTaken(ctx, catalog, strName, nIndex);
        const std::optional<PartChip> before = PartChipOf(catalog, current);
        const bool bRenamed = strName != catalog.GetEntryName(nIndex).Str();
        catalog.SetEntry(nIndex, strName, s.data());
        PartMatch m;
        if (MatchPartName(strName, m, ctx.cp))
            WarnPartContradictions(ctx, catalog, nIndex, m, bRenamed ? nullptr : &*before);
    });
}

void RunRemove(CliContext& ctx, const ChipSelector& chip)
{
    ChangeCatalog(ctx, MissingFile::isError, [&](CChipCatalog& catalog) {
        catalog.RemoveEntry(FindEntry(ctx, catalog, chip));
    });
}

void RunRenameType(CliContext& ctx, const RenameTypeOptions& options)
{
    ChangeCatalog(ctx, MissingFile::isError, [&](CChipCatalog& catalog) {
        const int nType = FindType(ctx, catalog, options.strType);
        if (nType >= catalog.GetTypeCount())
            throw CCliError(ctx.strFile, "no type at position " + std::to_string(nType) + " (the file has " +
                                             std::to_string(catalog.GetTypeCount()) + ")");
        catalog.SetTypeName(nType, NameFromArgument(options.strNewName, options.bHex, ctx.cp, "type name"));
    });
}
