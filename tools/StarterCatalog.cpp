#include "StarterCatalog.h"

#include "ChipCatalog.h"
#include "ChipRules.h"

namespace {

// Position in the list is the routing position: 0 opens the I2C form, 1 to 3 the
// Microwire form with variants 0 to 2. Variant 0 is the byte-organised one; the form
// checks its "16 bits" box for variants 1 and 2.
const char* const kTypeNames[] = {
    "I2C EEPROM",
    "Microwire x8",
    "Microwire x16",
    "Microwire x16 (variant 2)",
};

// 24Cxx in DIP-8: A0..A2 on pins 1-3 (left low, so the device address is 0xA0), GND 4,
// SDA 5, SCL 6, WP 7 (left low: writes allowed), VCC 8.
struct I2CChip {
    const char* pszName;
    int nLength;        // bytes
    BYTE nWriteBuffer;  // page size in bytes
};
const I2CChip kI2CChips[] = {
    {"24C01", 128, 8},    {"24C02", 256, 8},    {"24C04", 512, 16},
    {"24C08", 1024, 16},  {"24C16", 2048, 16},  {"24C32", 4096, 32},
    {"24C64", 8192, 32},  {"24C128", 16384, 64}, {"24C256", 32768, 64},
};

// 93Cxx in DIP-8: CS 1, SK 2, DI 3, DO 4, GND 5, ORG 6, NC 7, VCC 8. ORG high selects
// word organisation, so the x16 entries power pin 6 along with VCC. The 93C56/66 and
// 93C76/86 pairs share an instruction format, hence their equal address bit counts.
struct MicrowireChip {
    const char* pszName;
    int nLength;  // bytes, whatever the organisation
    BYTE nBitsX8;
    BYTE nBitsX16;
};
const MicrowireChip kMicrowireChips[] = {
    {"93C46", 128, 7, 6},  {"93C56", 256, 9, 8},   {"93C66", 512, 9, 8},
    {"93C76", 1024, 11, 10}, {"93C86", 2048, 11, 10},
};

constexpr BYTE kPowerVcc = 0x80;  // pin 8
constexpr BYTE kPowerOrg = 0x20;  // pin 6

void AddEntry(CChipCatalog& catalog, const CString& strName, const ChipSettings& settings)
{
    catalog.AddEmptyEntry();
    catalog.SetEntry(catalog.GetEntryCount() - 1, strName, settings.data());
}

void AddI2CChip(CChipCatalog& catalog, const I2CChip& chip)
{
    I2CChipValues v;
    v.nPowerPins = kPowerVcc;
    v.nPinClk = 6;
    v.nPinData = 5;
    v.nWriteBuffer = chip.nWriteBuffer;
    v.nLength = chip.nLength;
    AddEntry(catalog, chip.pszName, BuildI2CSettings(v));
}

void AddMicrowireChip(CChipCatalog& catalog, const MicrowireChip& chip, bool b16Bits)
{
    MicrowireChipValues v;
    v.nVariant = b16Bits ? 1 : 0;
    v.nPowerPins = b16Bits ? kPowerVcc | kPowerOrg : kPowerVcc;
    v.nPinCs = 1;
    v.nPinClk = 2;
    v.nPinDataIn = 3;
    v.nPinDataOut = 4;
    v.nBitsAddress = b16Bits ? chip.nBitsX16 : chip.nBitsX8;
    v.nLength = chip.nLength;
    AddEntry(catalog, CString(chip.pszName) + (b16Bits ? " x16" : " x8"), BuildMicrowireSettings(v));
}

}  // namespace

void BuildStarterCatalog(CChipCatalog& catalog)
{
    for (const char* pszType : kTypeNames)
        catalog.AddTypeName(pszType);
    for (const I2CChip& chip : kI2CChips)
        AddI2CChip(catalog, chip);
    for (bool b16Bits : {false, true}) {
        for (const MicrowireChip& chip : kMicrowireChips)
            AddMicrowireChip(catalog, chip, b16Bits);
    }
}
