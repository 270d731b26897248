#include "ChipRules.h"

#include "PinConversions.h"

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
