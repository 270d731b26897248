#include "PartTable.h"

namespace {

constexpr PartBus i2c = PartBus::i2c;
constexpr PartBus microwire = PartBus::microwire;

// Densities and pages as Microchip's 24xx and 93xx data sheets give them; Atmel, ST,
// onsemi and Rohm agree except where PageExceptions says otherwise. Microwire parts take
// as many address clocks as the larger of a pair needs: a 93xx56 in x8 clocks 9 bits
// with A8 a don't-care, a 93xx76 11 with A10 a don't-care.
const std::vector<PartFamily> kFamilies = {
    {"24xx01", i2c, "01", 128, 8, 0, 0},
    {"24xx02", i2c, "02", 256, 8, 0, 0},
    {"24xx04", i2c, "04", 512, 16, 0, 0},
    {"24xx08", i2c, "08", 1024, 16, 0, 0},
    {"24xx16", i2c, "16", 2048, 16, 0, 0},
    {"24xx32", i2c, "32", 4096, 32, 0, 0},
    {"24xx64", i2c, "64", 8192, 32, 0, 0},
    {"24xx128", i2c, "128", 16384, 64, 0, 0},
    {"24xx256", i2c, "256", 32768, 64, 0, 0},
    {"24xx512", i2c, "512", 65536, 128, 0, 0},
    {"24xx1024", i2c, "1024", 131072, 256, 0, 0},
    {"24xx1025", i2c, "1025", 131072, 128, 0, 0},
    {"24xx1026", i2c, "1026", 131072, 128, 0, 0},
    {"24xxM01", i2c, "M01", 131072, 256, 0, 0},
    {"24xxM02", i2c, "M02", 262144, 256, 0, 0},
    {"93xx46", microwire, "46", 128, 0, 7, 6},
    {"93xx56", microwire, "56", 256, 0, 9, 8},
    {"93xx66", microwire, "66", 512, 0, 9, 8},
    {"93xx76", microwire, "76", 1024, 0, 11, 10},
    {"93xx86", microwire, "86", 2048, 0, 11, 10},
};

// Rohm, Seiko, Fairchild and National 93 parts have no ORG pin: they are x16 only.
const std::vector<PartMaker> kMakers = {
    {"", "Microchip, or no maker named", true, false, PartOrg::unknown},
    {"AT", "Atmel (Microchip)", true, false, PartOrg::unknown},
    {"M", "STMicroelectronics", true, true, PartOrg::unknown},
    {"ST", "SGS-Thomson", false, false, PartOrg::unknown},
    {"CAT", "Catalyst (onsemi)", true, false, PartOrg::unknown},
    {"BR", "Rohm", true, false, PartOrg::x16},
    {"S-", "Seiko (ABLIC)", true, false, PartOrg::x16},
    {"FM", "Fairchild, and Ramtron's FRAM", false, false, PartOrg::x16},
    {"NM", "National Semiconductor", false, false, PartOrg::x16},
    {"X", "Xicor", false, false, PartOrg::unknown},
    {"HT", "Holtek", false, false, PartOrg::unknown},
    {"GT", "Giantec", false, false, PartOrg::unknown},
    {"BL", "Belling", false, false, PartOrg::unknown},
    {"FT", "Fremont Micro Devices", false, false, PartOrg::unknown},
};

const std::vector<PartSeries> kSeries = {
    {"C", true, true, "5 V; 1.7 V to 5.5 V at Atmel, ST and onsemi"},
    {"LC", true, true, "2.5 V to 5.5 V"},
    {"AA", true, true, "1.7 V or 1.8 V to 5.5 V"},
    {"FC", true, false, "1.7 V to 5.5 V, 1 MHz bus"},
    {"CS", true, false, "with a factory serial number"},
    {"WC", true, false, "Catalyst's earlier line"},
    {"L", true, true, "Rohm, 1.8 V to 5.5 V"},
    {"G", true, true, "Rohm's later line"},
    {"T", true, false, "Rohm's later line"},
    {"XX", true, true, "any series, as data sheets name a family"},
};

// ST's and onsemi's 1 and 2 Kbit parts, and Microchip's C-revision 24C01C and 24C02C,
// write 16 bytes a page where the others write 8.
const std::vector<PageException> kPageExceptions = {
    {"M", nullptr, "01", nullptr, 16},  {"M", nullptr, "02", nullptr, 16},
    {"CAT", nullptr, "01", nullptr, 16}, {"CAT", nullptr, "02", nullptr, 16},
    {"", "C", "01", "C", 16},            {"", "C", "02", "C", 16},
};

}  // namespace

const std::vector<PartFamily>& PartFamilies()
{
    return kFamilies;
}

const std::vector<PartMaker>& PartMakers()
{
    return kMakers;
}

const std::vector<PartSeries>& PartSeriesList()
{
    return kSeries;
}

const std::vector<PageException>& PageExceptions()
{
    return kPageExceptions;
}

const PartFamily* FindPartFamily(PartBus bus, const std::string& strDensity)
{
    for (const PartFamily& family : kFamilies) {
        if (family.bus == bus && strDensity == family.pszDensity)
            return &family;
    }
    return nullptr;
}

int AddressBits(const PartFamily& family, PartOrg org)
{
    return org == PartOrg::x8 ? family.nBitsX8 : org == PartOrg::x16 ? family.nBitsX16 : 0;
}

const char* PartBusName(PartBus bus)
{
    return bus == PartBus::i2c ? "I2C" : "Microwire";
}

const char* PartOrgName(PartOrg org)
{
    return org == PartOrg::x8 ? "x8" : org == PartOrg::x16 ? "x16" : "";
}
