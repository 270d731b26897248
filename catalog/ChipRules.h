#pragma once

#include "ChipEntryArray.h"

// What a chip's Kind byte names, what each setup form holds in its boxes, and the
// twelve settings bytes it stores on OK. The list window, the forms, the starter
// catalogue and the command-line tool all read kinds and build bytes here.

// Kind 0 is an I2C chip, kinds 1 to 3 are the Microwire variants 0 to 2, and any other
// kind is a chip that no form edits.
enum class ChipFamily { i2c, microwire, other };

struct ChipKind {
    ChipFamily family;  // also which form opens the chip
    int nVariant;       // the Microwire variant, 0 to 2; 0 for the other families
};

ChipKind ChipKindOf(int nKind);
inline ChipFamily FamilyOfKind(int nKind) { return ChipKindOf(nKind).family; }

// The ranges the forms accept. Both refuse a length the 16-bit Length field cannot
// hold; a pin is 1 to 8, or 0 for none.
constexpr int kMaxChipLength = 65535;
constexpr int kMaxPin = 8;
constexpr int kMaxWriteBuffer = 255;
constexpr int kMinBitsAddress = 1;
constexpr int kMaxBitsAddress = 16;

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
