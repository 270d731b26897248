#pragma once

#include <string>
#include <vector>

// The standard serial EEPROM families, with the figures their makers' datasheets give,
// and the pieces real part numbers are made of. Plain data: no catalogue, no windows.

enum class PartBus { i2c, microwire };

// The organisation a Microwire part is fixed to; unknown when the ORG pin chooses it or
// nothing says.
enum class PartOrg { unknown, x8, x16 };

struct PartFamily {
    const char* pszName;     // "24xx256", "93xx46"
    PartBus bus;
    const char* pszDensity;  // the density code as part numbers spell it: "256", "M01"
    long nBytes;
    int nPage;     // the usual I2C page in bytes; 0 for Microwire
    int nBitsX8;   // Microwire address bits clocked in x8 and x16 organisation; 0 for I2C
    int nBitsX16;
};

// Makers put their prefix before the family digits: AT24C256, M93C46, CAT24C16.
struct PartMaker {
    const char* pszPrefix;  // "" for the unprefixed names (24LC256, 93LC66B)
    const char* pszMaker;
    bool bPagesKnown;        // false where the prefix also names parts with other pages (FRAM)
    bool bBareDensity;       // the family digits may be followed by the density alone (M24256)
    PartOrg microwireOrg;    // the one organisation of the maker's 93 parts, if fixed
};

// The letters between the family digits and the density: the supply range or the line.
struct PartSeries {
    const char* pszLetters;
    bool bI2C;
    bool bMicrowire;
    const char* pszMeaning;
};

// Parts whose page differs from the family's usual one.
struct PageException {
    const char* pszPrefix;
    const char* pszSeries;  // nullptr: any letters
    const char* pszDensity;
    const char* pszSuffix;  // nullptr: any suffix; else the suffix starts with it
    int nPage;
};

// The largest value the 16-bit Length field holds.
constexpr long kLengthFieldMax = 65535;

const std::vector<PartFamily>& PartFamilies();
const std::vector<PartMaker>& PartMakers();
const std::vector<PartSeries>& PartSeriesList();
const std::vector<PageException>& PageExceptions();

const PartFamily* FindPartFamily(PartBus bus, const std::string& strDensity);
inline bool FitsLengthField(const PartFamily& family) { return family.nBytes <= kLengthFieldMax; }
// The address bits a Microwire family needs in one organisation; 0 for unknown.
int AddressBits(const PartFamily& family, PartOrg org);
// "I2C" or "Microwire".
const char* PartBusName(PartBus bus);
// "x8", "x16" or "" for unknown.
const char* PartOrgName(PartOrg org);
