#include "ChipView.h"

#include "ChipRules.h"
#include "NameText.h"
#include "PinConversions.h"

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

using F = FieldFormat;

// Kinds no form opens show every byte as a number.
const std::vector<SettingsField> kOtherFields = {
    {"power_pins", "PowerPins", 0, 1, F::powerPins},     {"length", "Length", 1, 2, F::length},
    {"address_format", "AddressFormat", 3, 1, F::number}, {"clk_mask", "ClkMask", 4, 1, F::number},
    {"data_out_mask", "DataOutMask", 5, 1, F::number},   {"data_in_mask", "DataInMask", 6, 1, F::number},
    {"byte7", "WriteBufferOrCsMask", 7, 1, F::number},   {"device_address", "DeviceAddress", 8, 1, F::number},
    {"port_write", "PortWrite", 9, 1, F::number},        {"port_read", "PortRead", 10, 1, F::number},
    {"kind", "Kind", 11, 1, F::kind},
};

// fields with the ones of the same byte replaced by changes.
std::vector<SettingsField> FieldsWith(std::vector<SettingsField> fields, std::initializer_list<SettingsField> changes)
{
    for (const SettingsField& change : changes) {
        for (SettingsField& field : fields) {
            if (field.nByte == change.nByte)
                field = change;
        }
    }
    return fields;
}

// Both forms set the clock and data pins and show the port patterns.
const std::vector<SettingsField> kFormFields = FieldsWith(kOtherFields, {
    {"clk_mask", "ClkMask", 4, 1, F::pinMask},
    {"data_out_mask", "DataOutMask", 5, 1, F::pinMask},
    {"data_in_mask", "DataInMask", 6, 1, F::pinMask},
    {"port_write", "PortWrite", 9, 1, F::pattern},
    {"port_read", "PortRead", 10, 1, F::pattern},
});

const std::vector<SettingsField> kI2CFields = FieldsWith(kFormFields, {
    {"write_buffer", "WriteBuffer", 7, 1, F::number},
    {"device_address", "DeviceAddress", 8, 1, F::pattern},
});

const std::vector<SettingsField> kMicrowireFields = FieldsWith(kFormFields, {
    {"bits_address", "BitsAddress", 3, 1, F::number},
    {"cs_mask", "CsMask", 7, 1, F::pinMask},
    {"byte8", "Byte8", 8, 1, F::number},
});

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

}  // namespace

const std::vector<SettingsField>& SettingsFieldsOf(BYTE nKind)
{
    switch (FamilyOfKind(nKind)) {
    case ChipFamily::i2c: return kI2CFields;
    case ChipFamily::microwire: return kMicrowireFields;
    default: return kOtherFields;
    }
}

int FieldValue(const SettingsField& field, const ChipSettings& s)
{
    int n = 0;
    for (int k = field.nCount - 1; k >= 0; --k)
        n = n * 256 + s[field.nByte + k];
    return n;
}

std::string FieldText(const SettingsField& field, const ChipSettings& s)
{
    const int n = FieldValue(field, s);
    const BYTE b = static_cast<BYTE>(n);
    switch (field.format) {
    case F::powerPins: return Hex2(n) + (b ? " (pins " + PinListText(b) + ")" : " (no pins)");
    case F::length: return std::to_string(n);
    case F::number: return Hex2(n) + " (" + std::to_string(n) + ")";
    case F::pinMask: return Hex2(n) + " (" + MaskText(b) + ")";
    case F::pattern: return Hex2(n) + " (" + FormatBinary8(b).Str() + ")";
    case F::kind: return std::to_string(n) + " (" + KindLabel(b) + ")";
    }
    return std::to_string(n);
}

namespace {

void AddRow(FormView& view, const char* pszKey, const char* pszLabel, Json value, std::string strText = "")
{
    if (strText.empty())
        strText = value.is_string() ? value.get<std::string>() : value.dump();
    view.rows.push_back({pszKey, pszLabel, std::move(value), std::move(strText)});
}

void AddPowerPins(FormView& view, BYTE nPins)
{
    AddRow(view, "power_pins", "Power pins", PinListJson(nPins), PinListText(nPins) + " (" + Hex2(nPins) + ")");
}

void AddPattern(FormView& view, const char* pszKey, const char* pszLabel, BYTE n)
{
    AddRow(view, pszKey, pszLabel, FormatBinary8(n).Str());
}

void FillI2C(FormView& view, const ChipSettings& s)
{
    const I2CChipValues v = I2CValuesFromSettings(s);
    view.expected = BuildI2CSettings(v);
    const ChipSettings& e = view.expected;
    AddPowerPins(view, v.nPowerPins);
    AddRow(view, "pin_clk", "Pin CLK", v.nPinClk);
    AddRow(view, "pin_data", "Pin DATA", v.nPinData);
    AddRow(view, "write_buffer", "Write buffer", v.nWriteBuffer);
    AddRow(view, "length", "Length", v.nLength);
    AddRow(view, "address_format", "Address format", e[ChipSettings::AddressFormat]);
    AddRow(view, "device_address", "Addr I2C", e[ChipSettings::DeviceAddress],
           FormatBinary8(e[ChipSettings::DeviceAddress]).Str() + " (" + Hex2(e[ChipSettings::DeviceAddress]) + ")");
    AddPattern(view, "port_write", "Port Write", e[ChipSettings::PortWrite]);
    AddPattern(view, "port_read", "Port Read", e[ChipSettings::PortRead]);
}

void FillMicrowire(FormView& view, const ChipSettings& s)
{
    const MicrowireChipValues v = MicrowireValuesFromSettings(s);
    view.expected = BuildMicrowireSettings(v);
    AddRow(view, "variant", "Variant", v.nVariant);
    AddPowerPins(view, v.nPowerPins);
    AddRow(view, "pin_clk", "Pin CLK", v.nPinClk);
    AddRow(view, "pin_data_in", "Pin DATAIn", v.nPinDataIn);
    AddRow(view, "pin_data_out", "Pin DATAO", v.nPinDataOut);
    AddRow(view, "pin_cs", "Pin CS", v.nPinCs);
    AddRow(view, "length", "Length", v.nLength);
    AddRow(view, "bits_address", "Bits address", v.nBitsAddress);
    AddPattern(view, "port_write", "Port Write", view.expected[ChipSettings::PortWrite]);
    AddPattern(view, "port_read", "Port Read", view.expected[ChipSettings::PortRead]);
}

}  // namespace

FormView FormViewOf(const ChipSettings& s)
{
    FormView view;
    view.expected = s;
    switch (FamilyOfKind(s[ChipSettings::Kind])) {
    case ChipFamily::i2c: FillI2C(view, s); break;
    case ChipFamily::microwire: FillMicrowire(view, s); break;
    default: return view;
    }
    view.bHasForm = true;
    return view;
}

ChipSettings FormStoredSettings(const ChipSettings& s)
{
    switch (FamilyOfKind(s[ChipSettings::Kind])) {
    case ChipFamily::i2c: return BuildI2CSettings(I2CValuesFromSettings(s));
    case ChipFamily::microwire: return BuildMicrowireSettings(MicrowireValuesFromSettings(s));
    default: return s;
    }
}

Json ChipValuesJson(const ChipSettings& s)
{
    Json out = Json::object();
    const FormView view = FormViewOf(s);
    for (const FormRow& row : view.rows)
        out[row.strKey] = row.value;
    if (!view.bHasForm) {
        for (const SettingsField& field : SettingsFieldsOf(s[ChipSettings::Kind]))
            out[field.pszKey] = FieldValue(field, s);
    }
    return out;
}

void AddNameJson(Json& object, const std::string& strName, CodePage cp)
{
    object["name"] = AnsiToUtf8(strName, cp);
    if (!AnsiRoundTrips(strName, cp))
        object["name_hex"] = HexEncode(strName);
}
