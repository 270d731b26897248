#include "ChipRules.h"

#include "PinConversions.h"

#include <algorithm>
#include <iterator>

ChipKind ChipKindOf(int nKind)
{
    if (nKind == 0)
        return {ChipFamily::i2c, 0};
    if (nKind >= 1 && nKind <= 3)
        return {ChipFamily::microwire, nKind - 1};
    return {ChipFamily::other, 0};
}

BYTE I2CAddressFormat(int nLength)
{
    if (nLength < 256)
        return 1;
    return nLength <= 2048 ? 0x11 : 0;
}

BYTE I2CDeviceAddress(BYTE nPowerPins)
{
    return static_cast<BYTE>(0xA0 + (nPowerPins & 7));
}

ChipSettings BuildI2CSettings(const I2CChipValues& v)
{
    ChipSettings s;
    BYTE nDataMask = PinToMask(v.nPinData);
    s[ChipSettings::PowerPins] = v.nPowerPins;
    s.SetLength(v.nLength);
    s[ChipSettings::AddressFormat] = I2CAddressFormat(v.nLength);
    s[ChipSettings::ClkMask] = PinToMask(v.nPinClk);
    s[ChipSettings::DataOutMask] = nDataMask;
    s[ChipSettings::DataInMask] = nDataMask;
    s[ChipSettings::WriteBufferOrCsMask] = v.nWriteBuffer;
    s[ChipSettings::DeviceAddress] = I2CDeviceAddress(v.nPowerPins);
    s[ChipSettings::PortWrite] = 0;
    s[ChipSettings::PortRead] = nDataMask;
    s[ChipSettings::Kind] = 0;
    return s;
}

ChipSettings BuildMicrowireSettings(const MicrowireChipValues& v)
{
    ChipSettings s;
    // Both port patterns follow the data-out pin; they are computed here rather than
    // taken from a pattern refresh that might not have seen the latest pin.
    BYTE nPortMask = PinToMask(v.nPinDataOut);
    s[ChipSettings::PowerPins] = v.nPowerPins;
    s.SetLength(v.nLength);
    s[ChipSettings::AddressFormat] = v.nBitsAddress;
    s[ChipSettings::ClkMask] = PinToMask(v.nPinClk);
    s[ChipSettings::DataOutMask] = nPortMask;
    s[ChipSettings::DataInMask] = PinToMask(v.nPinDataIn);
    s[ChipSettings::WriteBufferOrCsMask] = PinToMask(v.nPinCs);
    s[ChipSettings::DeviceAddress] = 0;
    s[ChipSettings::PortWrite] = nPortMask;
    s[ChipSettings::PortRead] = nPortMask;
    s[ChipSettings::Kind] = static_cast<BYTE>(v.nVariant + 1);
    return s;
}

I2CChipValues I2CValuesFromSettings(const ChipSettings& s)
{
    I2CChipValues v;
    v.nPowerPins = s[ChipSettings::PowerPins];
    v.nLength = s.GetLength();
    v.nPinClk = MaskToPin(s[ChipSettings::ClkMask]);
    v.nPinData = MaskToPin(s[ChipSettings::DataOutMask]);
    v.nWriteBuffer = s[ChipSettings::WriteBufferOrCsMask];
    return v;
}

MicrowireChipValues MicrowireValuesFromSettings(const ChipSettings& s)
{
    MicrowireChipValues v;
    v.nVariant = ChipKindOf(s[ChipSettings::Kind]).nVariant;
    v.nPowerPins = s[ChipSettings::PowerPins];
    v.nLength = s.GetLength();
    v.nBitsAddress = s[ChipSettings::AddressFormat];
    v.nPinClk = MaskToPin(s[ChipSettings::ClkMask]);
    v.nPinDataOut = MaskToPin(s[ChipSettings::DataOutMask]);
    v.nPinDataIn = MaskToPin(s[ChipSettings::DataInMask]);
    v.nPinCs = MaskToPin(s[ChipSettings::WriteBufferOrCsMask]);
    return v;
}

ChipSettings FormStoredSettings(const ChipSettings& s)
{
    switch (FamilyOfKind(s[ChipSettings::Kind])) {
    case ChipFamily::i2c: return BuildI2CSettings(I2CValuesFromSettings(s));
    case ChipFamily::microwire: return BuildMicrowireSettings(MicrowireValuesFromSettings(s));
    default: return s;
    }
}

ChipSettings NewChipSettings(int nKind)
{
    MicrowireChipValues v;
    v.nVariant = nKind - 1;
    return nKind == 0 ? BuildI2CSettings(I2CChipValues()) : BuildMicrowireSettings(v);
}

namespace {

// Indexed by ChipValue, none last. A pin is 1 to 8, or 0 for none; a length the 16-bit
// Length field cannot hold is refused.
const ChipValueInfo kValues[] = {
    {"variant", nullptr, "Variant", nullptr, 0, 0},
    {"power_pins", nullptr, "Power Pins", "Power pins", 0, 0},
    {"pin_clk", "--clk", "Pin CLK", nullptr, 0, 8},
    {"pin_data", "--data", "Pin DATA", nullptr, 0, 8},
    {"pin_data_in", "--data-in", "Pin DATAIn", nullptr, 0, 8},
    {"pin_data_out", "--data-out", "Pin DATAO", nullptr, 0, 8},
    {"pin_cs", "--cs", "Pin CS", nullptr, 0, 8},
    {"length", "--length", "Lenght", "Length", 0, 65535},
    {"write_buffer", "--write-buffer", "Write buffer", nullptr, 0, 255},
    {"bits_address", "--bits-address", "Bits address", nullptr, 1, 16},
    {"address_format", nullptr, "Address format", nullptr, 0, 0},
    {"device_address", nullptr, "Addr I2C", nullptr, 0, 0},
    {"port_write", nullptr, "Port Write", nullptr, 0, 0},
    {"port_read", nullptr, "Port Read", nullptr, 0, 0},
    {"", nullptr, "", nullptr, 0, 0},
};
static_assert(std::size(kValues) == static_cast<std::size_t>(ChipValue::none) + 1);

using F = ChipFamily;
using C = FieldCoding;
using V = ChipValue;
constexpr bool kWorkedOut = true, kAsIs = false;

// Each family's fields: those its form shows, in the order show lists them, then the bytes
// it keeps to itself. A kind no form opens shows every byte as a number.
const ChipField kFields[] = {
    {F::i2c, 0, C::powerPins, "PowerPins", "power_pins", V::powerPins, kAsIs},
    {F::i2c, 4, C::pin, "ClkMask", "clk_mask", V::pinClk, kAsIs},
    {F::i2c, 5, C::pin, "DataOutMask", "data_out_mask", V::pinData, kAsIs},
    {F::i2c, 7, C::number, "WriteBuffer", "write_buffer", V::writeBuffer, kAsIs},
    {F::i2c, 1, C::length, "Length", "length", V::length, kAsIs},
    {F::i2c, 3, C::number, "AddressFormat", "address_format", V::addressFormat, kWorkedOut},
    {F::i2c, 8, C::address, "DeviceAddress", "device_address", V::deviceAddress, kWorkedOut},
    {F::i2c, 9, C::pattern, "PortWrite", "port_write", V::portWrite, kWorkedOut},
    {F::i2c, 10, C::pattern, "PortRead", "port_read", V::portRead, kWorkedOut},
    {F::i2c, 6, C::pin, "DataInMask", "data_in_mask", V::none, kWorkedOut},
    {F::i2c, 11, C::kind, "Kind", "kind", V::none, kAsIs},
    {F::microwire, 11, C::variant, "Kind", "kind", V::variant, kAsIs},
    {F::microwire, 0, C::powerPins, "PowerPins", "power_pins", V::powerPins, kAsIs},
    {F::microwire, 4, C::pin, "ClkMask", "clk_mask", V::pinClk, kAsIs},
    {F::microwire, 6, C::pin, "DataInMask", "data_in_mask", V::pinDataIn, kAsIs},
    {F::microwire, 5, C::pin, "DataOutMask", "data_out_mask", V::pinDataOut, kAsIs},
    {F::microwire, 7, C::pin, "CsMask", "cs_mask", V::pinCs, kAsIs},
    {F::microwire, 1, C::length, "Length", "length", V::length, kAsIs},
    {F::microwire, 3, C::number, "BitsAddress", "bits_address", V::bitsAddress, kAsIs},
    {F::microwire, 9, C::pattern, "PortWrite", "port_write", V::portWrite, kWorkedOut},
    {F::microwire, 10, C::pattern, "PortRead", "port_read", V::portRead, kWorkedOut},
    {F::microwire, 8, C::number, "Byte8", "byte8", V::none, kWorkedOut},
    {F::other, 0, C::powerPins, "PowerPins", "power_pins", V::none, kAsIs},
    {F::other, 1, C::length, "Length", "length", V::none, kAsIs},
    {F::other, 3, C::number, "AddressFormat", "address_format", V::none, kAsIs},
    {F::other, 4, C::number, "ClkMask", "clk_mask", V::none, kAsIs},
    {F::other, 5, C::number, "DataOutMask", "data_out_mask", V::none, kAsIs},
    {F::other, 6, C::number, "DataInMask", "data_in_mask", V::none, kAsIs},
    {F::other, 7, C::number, "WriteBufferOrCsMask", "byte7", V::none, kAsIs},
    {F::other, 8, C::number, "DeviceAddress", "device_address", V::none, kAsIs},
    {F::other, 9, C::number, "PortWrite", "port_write", V::none, kAsIs},
    {F::other, 10, C::number, "PortRead", "port_read", V::none, kAsIs},
    {F::other, 11, C::kind, "Kind", "kind", V::none, kAsIs},
};

using FieldLists = std::array<std::vector<ChipField>, 3>;

// The table split by family, each list in table order or in byte order.
FieldLists SplitByFamily(bool bByByte)
{
    FieldLists lists;
    for (const ChipField& field : kFields)
        lists[static_cast<std::size_t>(field.family)].push_back(field);
    for (std::vector<ChipField>& fields : lists) {
        if (bByByte)
            std::stable_sort(fields.begin(), fields.end(), [](auto& a, auto& b) { return a.nByte < b.nByte; });
    }
    return lists;
}

}  // namespace

const ChipValueInfo& ChipValueInfoOf(ChipValue value)
{
    return kValues[static_cast<std::size_t>(value)];
}

int ChipField::Raw(const ChipSettings& s) const
{
    return coding == C::length ? s.GetLength() : s[nByte];
}

int ChipField::Read(const ChipSettings& s) const
{
    switch (coding) {
    case C::length: return s.GetLength();
    case C::pin: return MaskToPin(s[nByte]);
    case C::variant: return ChipKindOf(s[nByte]).nVariant;
    default: return s[nByte];
    }
}

void ChipField::Write(ChipSettings& s, int nValue) const
{
    switch (coding) {
    case C::length: s.SetLength(nValue); break;
    case C::pin: s[nByte] = PinToMask(static_cast<BYTE>(nValue)); break;
    case C::variant: s[nByte] = static_cast<BYTE>(nValue + 1); break;
    default: s[nByte] = static_cast<BYTE>(nValue); break;
    }
}

const std::vector<ChipField>& ChipFieldsOf(ChipFamily family)
{
    static const FieldLists lists = SplitByFamily(false);
    return lists[static_cast<std::size_t>(family)];
}

const std::vector<ChipField>& ChipFieldsByByte(ChipFamily family)
{
    static const FieldLists lists = SplitByFamily(true);
    return lists[static_cast<std::size_t>(family)];
}

const ChipField* FindChipField(ChipFamily family, ChipValue value)
{
    for (const ChipField& field : ChipFieldsOf(family))
        if (field.value == value)
            return &field;
    return nullptr;
}
