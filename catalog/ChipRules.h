#pragma once

#include "String.h"

#include <array>
#include <string>
#include <vector>

// A chip's twelve settings bytes, the kind they name, the values each setup form shows
// and stores, and the table of fields: where each value lies in the bytes and what the
// forms and orvane-cli call it. Every window, tool and command reads chips through these.

// Twelve raw settings bytes, byte 0 first; their meaning depends on the kind (byte 11).
struct ChipSettings {
    enum Byte {
        PowerPins = 0, LengthLow = 1, LengthHigh = 2, AddressFormat = 3, ClkMask = 4,
        DataOutMask = 5, DataInMask = 6, WriteBufferOrCsMask = 7, DeviceAddress = 8,
        PortWrite = 9, PortRead = 10, Kind = 11, Size = 12
    };
    std::array<BYTE, Size> bytes{};

    // The 16-bit length in bytes 1 (low) and 2 (high). A form stores the low byte of
    // the value entered and the low byte of that value divided by 256.
    int GetLength() const { return bytes[LengthLow] + 256 * bytes[LengthHigh]; }
    void SetLength(int nLength)
    {
        bytes[LengthLow] = static_cast<BYTE>(nLength & 0xFF);
        bytes[LengthHigh] = static_cast<BYTE>((nLength / 256) & 0xFF);
    }

    BYTE& operator[](int n) { return bytes[static_cast<std::size_t>(n)]; }
    BYTE operator[](int n) const { return bytes[static_cast<std::size_t>(n)]; }
    const BYTE* data() const { return bytes.data(); }
    BYTE* data() { return bytes.data(); }
    friend bool operator==(const ChipSettings& a, const ChipSettings& b) { return a.bytes == b.bytes; }
    friend bool operator!=(const ChipSettings& a, const ChipSettings& b) { return !(a == b); }
};

// Kind 0 is an I2C chip, kinds 1 to 3 are the Microwire variants 0 to 2, and any other
// kind is a chip that no form edits.
enum class ChipFamily { i2c, microwire, other };

struct ChipKind {
    ChipFamily family;  // also which form opens the chip
    int nVariant;       // the Microwire variant, 0 to 2; 0 for the other families
};

ChipKind ChipKindOf(int nKind);
inline ChipFamily FamilyOfKind(int nKind) { return ChipKindOf(nKind).family; }

struct I2CChipValues {
    BYTE nPowerPins = 0x80;
    BYTE nPinClk = 6;
    BYTE nPinData = 5;
    BYTE nWriteBuffer = 8;
    int nLength = 128;
};

struct MicrowireChipValues {
    int nVariant = 0;  // 0..2; stored as Kind = variant + 1
    BYTE nPowerPins = 0x80;
    BYTE nPinClk = 2;
    BYTE nPinDataIn = 3;
    BYTE nPinDataOut = 4;
    BYTE nPinCs = 1;
    BYTE nBitsAddress = 6;
    int nLength = 128;
};

// 1 below 256, 17 from 256 to 2048, 0 above.
BYTE I2CAddressFormat(int nLength);
// 0xA0 + the low three power-pin bits.
BYTE I2CDeviceAddress(BYTE nPowerPins);

ChipSettings BuildI2CSettings(const I2CChipValues& v);
ChipSettings BuildMicrowireSettings(const MicrowireChipValues& v);

// What a form shows when it opens a stored entry (multi-bit masks open as pin 0).
I2CChipValues I2CValuesFromSettings(const ChipSettings& s);
MicrowireChipValues MicrowireValuesFromSettings(const ChipSettings& s);

// The bytes the chip's form stores on an OK that changes nothing: the values it opens
// with, and what it works out from them. A kind no form opens keeps its bytes.
ChipSettings FormStoredSettings(const ChipSettings& s);
// What a form stores for a new chip of a kind 0 to 3 when nothing is typed.
ChipSettings NewChipSettings(int nKind);

// The values the forms show, in the order orvane-cli lists them as options.
enum class ChipValue {
    variant, powerPins, pinClk, pinData, pinDataIn, pinDataOut, pinCs, length, writeBuffer, bitsAddress,
    addressFormat, deviceAddress, portWrite, portRead, none
};

struct ChipValueInfo {
    const char* pszKey;     // in show and JSON: "pin_clk"
    const char* pszOption;  // orvane-cli's option for a value one types: "--clk"
    const char* pszLabel;   // as the form labels it ("Lenght"), or show names what it does not label
    const char* pszShown;   // as show names it where that differs from the form ("Length"); else nullptr
    int nMin;               // the range a box takes and its prompt names; 0..0 for a
    int nMax;               // value no one types

    bool IsTyped() const { return nMax > 0; }
    bool Accepts(int n) const { return n >= nMin && n <= nMax; }
    const char* ShownLabel() const { return pszShown ? pszShown : pszLabel; }
    std::string RangeText() const { return std::to_string(nMin) + ".." + std::to_string(nMax); }
};

const ChipValueInfo& ChipValueInfoOf(ChipValue value);

// How the bytes of a field read.
enum class FieldCoding {
    number,     // one byte as it is
    length,     // bytes 1 (low) and 2 (high)
    powerPins,  // the mask of the powered pins
    pin,        // a pin mask, which the form shows as its pin number
    pattern,    // a port pattern, which the form shows as eight binary digits
    address,    // the I2C device address, which the form shows as a pattern
    kind,       // the Kind byte
    variant,    // the Kind byte, which the Microwire form shows as its variant
};

// One named part of the settings bytes of a family.
struct ChipField {
    ChipFamily family;
    int nByte;
    FieldCoding coding;
    const char* pszName;  // as dump names the bytes: "ClkMask"
    const char* pszKey;   // as diff names them, and the JSON of a kind no form opens: "clk_mask"
    ChipValue value;      // what the family's form shows of them
    bool bWorkedOut;      // the form works the bytes out from its other values

    int ByteCount() const { return coding == FieldCoding::length ? 2 : 1; }
    // The bytes as one number, the first byte lowest.
    int Raw(const ChipSettings& s) const;
    // The value as the form reads it: a pin number for a pin mask, a variant for a kind.
    int Read(const ChipSettings& s) const;
    // Stores a value as the form does; other bytes stay.
    void Write(ChipSettings& s, int nValue) const;
};

// The fields of a family: those a form shows, in the order show lists them, then the
// bytes it keeps to itself; for kinds no form opens, every byte as a number.
const std::vector<ChipField>& ChipFieldsOf(ChipFamily family);
// The same in byte order, as dump and diff go through them.
const std::vector<ChipField>& ChipFieldsByByte(ChipFamily family);
// The field that holds a value on the family's form, or nullptr.
const ChipField* FindChipField(ChipFamily family, ChipValue value);
