#include "Commands.h"

#include "ChipRules.h"
#include "ChipView.h"
#include "CliError.h"
#include "NameText.h"
#include "PartAdd.h"
#include "PartWarnings.h"

#include <algorithm>
#include <cstdlib>

const ChipValueRule kChipValueRules[8] = {
    {"--clk", &ChipValueOptions::nClk, 0, kMaxPin, true, true, "Pin CLK (0: no pin)"},
    {"--data", &ChipValueOptions::nData, 0, kMaxPin, true, false, "Pin DATA of an I2C chip"},
    {"--data-in", &ChipValueOptions::nDataIn, 0, kMaxPin, false, true, "Pin DATAIn of a Microwire chip"},
    {"--data-out", &ChipValueOptions::nDataOut, 0, kMaxPin, false, true, "Pin DATAO of a Microwire chip"},
    {"--cs", &ChipValueOptions::nCs, 0, kMaxPin, false, true, "Pin CS of a Microwire chip"},
    {"--length", &ChipValueOptions::nLength, 0, kMaxChipLength, true, true, "Length"},
    {"--write-buffer", &ChipValueOptions::nWriteBuffer, 0, kMaxWriteBuffer, true, false, "Write buffer of an I2C chip"},
    {"--bits-address", &ChipValueOptions::nBitsAddress, kMinBitsAddress, kMaxBitsAddress, false, true,
     "Bits address of a Microwire chip"},
};

namespace {

void CheckValues(const ChipValueOptions& o, ChipFamily family)
{
    for (const ChipValueRule& rule : kChipValueRules) {
        if (!(o.*rule.pValue))
            continue;
        const int n = *(o.*rule.pValue);
        const bool bApplies = family == ChipFamily::i2c ? rule.bI2C : rule.bMicrowire;
        if (!bApplies)
            throw CCliError(rule.pszOption, std::string("does not apply to ") +
                                                (family == ChipFamily::i2c ? "an I2C" : "a Microwire") + " chip",
                            exitUsage);
        if (n < rule.nMin || n > rule.nMax)
            throw CCliError(rule.pszOption, std::to_string(n) + " is outside " + std::to_string(rule.nMin) + ".." +
                                                std::to_string(rule.nMax), exitUsage);
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

template <typename T>
void Set(T& field, const std::optional<int>& nValue)
{
    if (nValue)
        field = static_cast<T>(*nValue);
}

// Builds the bytes as the family's form stores them, from its values with the options applied.
ChipSettings BuildSettings(ChipSettings current, bool bNew, int nKind, const ChipValueOptions& o)
{
    const ChipFamily family = FamilyOfKind(static_cast<BYTE>(nKind));
    CheckValues(o, family);
    const BYTE nPowerPins = o.strPowerPins ? ParsePowerPins(*o.strPowerPins) : 0;
    if (family == ChipFamily::i2c) {
        I2CChipValues v = bNew ? I2CChipValues() : I2CValuesFromSettings(current);
        Set(v.nPinClk, o.nClk);
        Set(v.nPinData, o.nData);
        Set(v.nLength, o.nLength);
        Set(v.nWriteBuffer, o.nWriteBuffer);
        v.nPowerPins = o.strPowerPins ? nPowerPins : v.nPowerPins;
        return BuildI2CSettings(v);
    }
    MicrowireChipValues v = bNew ? MicrowireChipValues() : MicrowireValuesFromSettings(current);
    v.nVariant = nKind - 1;
    Set(v.nPinClk, o.nClk);
    Set(v.nPinDataIn, o.nDataIn);
    Set(v.nPinDataOut, o.nDataOut);
    Set(v.nPinCs, o.nCs);
    Set(v.nLength, o.nLength);
    Set(v.nBitsAddress, o.nBitsAddress);
    v.nPowerPins = o.strPowerPins ? nPowerPins : v.nPowerPins;
    if (v.nBitsAddress < kMinBitsAddress || v.nBitsAddress > kMaxBitsAddress)
        throw CCliError("--bits-address", "the chip holds " + std::to_string(v.nBitsAddress) + ", outside " +
                                              std::to_string(kMinBitsAddress) + ".." + std::to_string(kMaxBitsAddress) +
                                              ", which the form refuses to store; give a new value",
                        exitUsage);
    return BuildMicrowireSettings(v);
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
        const std::optional<PartChip> before = PartChipOfSettings(catalog, current);
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
