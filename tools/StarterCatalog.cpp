#include "StarterCatalog.h"

#include "ChipCatalog.h"
#include "PartCheck.h"

#include <string>

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
// SDA 5, SCL 6, WP 7 (left low: writes allowed), VCC 8, as the I2C form wires a new chip.
const char* const kI2CParts[] = {"24C01", "24C02", "24C04", "24C08", "24C16", "24C32", "24C64", "24C128", "24C256"};

// 93Cxx in DIP-8: CS 1, SK 2, DI 3, DO 4, GND 5, ORG 6, NC 7, VCC 8, as the Microwire form
// wires a new chip. ORG high selects word organisation, so the x16 entries power pin 6
// along with VCC.
const char* const kMicrowireParts[] = {"93C46", "93C56", "93C66", "93C76", "93C86"};
constexpr BYTE kPowerOrg = 0x20;  // pin 6

// A new chip of the form of nKind with the figures its part number gives in org.
void AddPart(CChipCatalog& catalog, const std::string& strName, int nKind, PartOrg org)
{
    PartMatch m;
    MatchPartName(strName, m);
    ChipSettings s = NewChipSettings(nKind);
    for (const PartFigure& figure : PartFigures(m, org))
        FindChipField(FamilyOfKind(nKind), figure.value)->Write(s, static_cast<int>(figure.nFigure));
    if (org == PartOrg::x16)
        s[ChipSettings::PowerPins] |= kPowerOrg;
    catalog.AddEmptyEntry();
    catalog.SetEntry(catalog.GetEntryCount() - 1, strName.c_str(), FormStoredSettings(s).data());
}

}  // namespace

void BuildStarterCatalog(CChipCatalog& catalog)
{
    for (const char* pszType : kTypeNames)
        catalog.AddTypeName(pszType);
    for (const char* pszPart : kI2CParts)
        AddPart(catalog, pszPart, 0, PartOrg::unknown);
    for (bool b16Bits : {false, true}) {
        for (const char* pszPart : kMicrowireParts)
            AddPart(catalog, std::string(pszPart) + (b16Bits ? " x16" : " x8"), b16Bits ? 2 : 1,
                    b16Bits ? PartOrg::x16 : PartOrg::x8);
    }
}
