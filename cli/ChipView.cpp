#include "ChipView.h"

#include "NameText.h"
#include "PinConversions.h"

#include <algorithm>
#include <cstdio>

const char* FamilyName(ChipFamily family)
{
    static const char* const kNames[] = {"i2c", "microwire", "other"};
    return kNames[static_cast<int>(family)];
}

std::string KindLabel(BYTE nKind)
{
    switch (FamilyOfKind(nKind)) {
    case ChipFamily::i2c: return "I2C";
    case ChipFamily::microwire: return "Microwire " + std::to_string(ChipKindOf(nKind).nVariant);
    default: return "kind " + std::to_string(nKind);
    }
}

std::string FormLabel(BYTE nKind)
{
    switch (FamilyOfKind(nKind)) {
    case ChipFamily::i2c: return "I2C form";
    case ChipFamily::microwire: return "Microwire form, variant " + std::to_string(ChipKindOf(nKind).nVariant);
    default: return "no form";
    }
}

std::string PinListText(BYTE nPins)
{
    std::string out;
    for (int k = 0; k < 8; ++k) {
        if (nPins & (1 << k))
            out += (out.empty() ? "" : ", ") + std::to_string(k + 1);
    }
    return out.empty() ? "none" : out;
}

Json PinListJson(BYTE nPins)
{
    Json pins = Json::array();
    for (int k = 0; k < 8; ++k) {
        if (nPins & (1 << k))
            pins.push_back(k + 1);
    }
    return pins;
}

namespace {

using C = FieldCoding;

std::string Hex2(int n)
{
    char sz[8];
    std::snprintf(sz, sizeof sz, "0x%02X", n & 0xFF);
    return sz;
}

std::string MaskText(BYTE nMask)
{
    if (nMask == 0)
        return "no pin";
    BYTE nPin = MaskToPin(nMask);
    return nPin ? "pin " + std::to_string(nPin) : "several pins";
}

// A value as show and JSON give it, with the text show prints for it.
FormRow Row(const ChipField& field, const ChipSettings& s)
{
    const ChipValueInfo& info = ChipValueInfoOf(field.value);
    const int n = field.Read(s);
    const BYTE b = static_cast<BYTE>(n);
    switch (field.coding) {
    case C::powerPins: return {info.pszKey, info.ShownLabel(), PinListJson(b), PinListText(b) + " (" + Hex2(n) + ")"};
    case C::address: return {info.pszKey, info.ShownLabel(), n, FormatBinary8(b).Str() + " (" + Hex2(n) + ")"};
    case C::pattern: return {info.pszKey, info.ShownLabel(), FormatBinary8(b).Str(), FormatBinary8(b).Str()};
    default: return {info.pszKey, info.ShownLabel(), n, std::to_string(n)};
    }
}

}  // namespace

std::string FieldText(const ChipField& field, const ChipSettings& s)
{
    const int n = field.Raw(s);
    const BYTE b = static_cast<BYTE>(n);
    switch (field.coding) {
    case C::powerPins: return Hex2(n) + (b ? " (pins " + PinListText(b) + ")" : " (no pins)");
    case C::length: return std::to_string(n);
    case C::number: return Hex2(n) + " (" + std::to_string(n) + ")";
    case C::pin: return Hex2(n) + " (" + MaskText(b) + ")";
    case C::pattern:
    case C::address: return Hex2(n) + " (" + FormatBinary8(b).Str() + ")";
    case C::kind:
    case C::variant: return std::to_string(n) + " (" + KindLabel(b) + ")";
    }
    return std::to_string(n);
}

std::string ValueWords(ChipValue value)
{
    std::string strWords = ChipValueInfoOf(value).pszKey;
    std::replace(strWords.begin(), strWords.end(), '_', ' ');
    return strWords;
}

std::vector<FormRow> FormRowsOf(const ChipSettings& s)
{
    std::vector<FormRow> rows;
    const ChipSettings expected = FormStoredSettings(s);
    for (const ChipField& field : ChipFieldsOf(FamilyOfKind(s[ChipSettings::Kind]))) {
        if (field.value != ChipValue::none)
            rows.push_back(Row(field, expected));
    }
    return rows;
}

Json ChipValuesJson(const ChipSettings& s)
{
    Json out = Json::object();
    for (const FormRow& row : FormRowsOf(s))
        out[row.strKey] = row.value;
    if (FamilyOfKind(s[ChipSettings::Kind]) == ChipFamily::other) {
        for (const ChipField& field : ChipFieldsOf(ChipFamily::other))
            out[field.pszKey] = field.Raw(s);
    }
    return out;
}

void AddNameJson(Json& object, const std::string& strName, CodePage cp)
{
    object["name"] = AnsiToUtf8(strName, cp);
    if (!AnsiRoundTrips(strName, cp))
        object["name_hex"] = HexEncode(strName);
}
