#include "PartName.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <set>

namespace {

// Figures from the makers' data sheets, each reached through the part number as it is
// printed on the chip, so that the maker's page exceptions are taken into account.
struct DatasheetCase {
    const char* pszPart;
    long nBytes;
    int nPage;  // I2C
    int nBitsX8;  // Microwire
    int nBitsX16;
};

const DatasheetCase kDatasheets[] = {
    {"24LC01B", 128, 8, 0, 0},     // Microchip 24AA01/24LC01B
    {"AT24C02", 256, 8, 0, 0},     // Atmel AT24C01A/02: 8-byte pages for 1K and 2K
    {"AT24C08C", 1024, 16, 0, 0},  // Atmel AT24C04C/08C: 16-byte pages
    {"CAT24C02", 256, 16, 0, 0},   // onsemi CAT24C01..16 all write 16 bytes a page
    {"CAT24C16", 2048, 16, 0, 0},
    {"M24C02-W", 256, 16, 0, 0},   // ST M24C01/02: 16-byte pages
    {"24C02C", 256, 16, 0, 0},     // Microchip 24C02C, unlike 24LC02B
    {"24LC02B", 256, 8, 0, 0},
    {"M24C64", 8192, 32, 0, 0},    // ST M24C64: 8 Kbytes, 32-byte page
    {"CAT24C128", 16384, 64, 0, 0},  // onsemi: 256 pages of 64 bytes
    {"24LC256", 32768, 64, 0, 0},
    {"CAT24C512", 65536, 128, 0, 0},  // onsemi: 512 pages of 128 bytes
    {"24AA1025", 131072, 128, 0, 0},
    {"AT24CM01", 131072, 256, 0, 0},
    {"M24M02", 262144, 256, 0, 0},
    {"93LC46B", 128, 0, 7, 6},     // Microchip 93xx46A/B/C
    {"AT93C56B", 256, 0, 9, 8},    // Atmel AT93C56B: x8 clocks A8..A0 with A8 a don't-care
    {"AT93C66B", 512, 0, 9, 8},    // and x16 A7..A0
    {"M93C76", 1024, 0, 11, 10},
    {"93LC86C", 2048, 0, 11, 10},
};

class DatasheetTest : public testing::TestWithParam<DatasheetCase> {};

}  // namespace

TEST_P(DatasheetTest, FiguresMatchTheDataSheet)
{
    const DatasheetCase& c = GetParam();
    PartMatch m;
    ASSERT_TRUE(MatchPartName(c.pszPart, m));
    EXPECT_EQ(m.pFamily->nBytes, c.nBytes);
    EXPECT_EQ(m.nPage, c.nPage);
    EXPECT_EQ(m.pFamily->nBitsX8, c.nBitsX8);
    EXPECT_EQ(m.pFamily->nBitsX16, c.nBitsX16);
}

INSTANTIATE_TEST_SUITE_P(Parts, DatasheetTest, testing::ValuesIn(kDatasheets),
                         [](const testing::TestParamInfo<DatasheetCase>& info) {
                             std::string strName;
                             for (const char* p = info.param.pszPart; *p; ++p)
                                 strName += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return strName;
                         });

TEST(PartTableTest, DensityCodesAreKilobits)
{
    for (const PartFamily& family : PartFamilies()) {
        const std::string strDensity = family.pszDensity;
        if (family.bus == PartBus::microwire || strDensity[0] == 'M' || strDensity.size() == 4)
            continue;
        EXPECT_EQ(family.nBytes, std::atol(family.pszDensity) * 128) << family.pszName;
    }
    EXPECT_EQ(FindPartFamily(PartBus::i2c, "M01")->nBytes, 131072);
    EXPECT_EQ(FindPartFamily(PartBus::i2c, "M02")->nBytes, 262144);
}

TEST(PartTableTest, MicrowireAddressBitsReachEveryByteOrWord)
{
    for (const PartFamily& family : PartFamilies()) {
        if (family.bus != PartBus::microwire)
            continue;
        EXPECT_GE(1L << family.nBitsX8, family.nBytes) << family.pszName;
        EXPECT_LE(1L << (family.nBitsX8 - 2), family.nBytes) << family.pszName << ": at most one don't-care bit";
        EXPECT_EQ(family.nBitsX16, family.nBitsX8 - 1) << family.pszName;
        EXPECT_EQ(AddressBits(family, PartOrg::x8), family.nBitsX8);
        EXPECT_EQ(AddressBits(family, PartOrg::x16), family.nBitsX16);
        EXPECT_EQ(AddressBits(family, PartOrg::unknown), 0);
    }
}

TEST(PartTableTest, OnlyTheParts512KbitAndUpAreBeyondTheLengthField)
{
    std::set<std::string> beyond;
    for (const PartFamily& family : PartFamilies()) {
        if (!FitsLengthField(family))
            beyond.insert(family.pszName);
    }
    EXPECT_EQ(beyond, (std::set<std::string>{"24xx512", "24xx1024", "24xx1025", "24xx1026", "24xxM01", "24xxM02"}));
}

TEST(PartTableTest, NamesAndDensitiesAreUniquePerBus)
{
    std::set<std::string> names, densities;
    for (const PartFamily& family : PartFamilies()) {
        EXPECT_TRUE(names.insert(family.pszName).second) << family.pszName;
        EXPECT_TRUE(densities.insert(std::string(PartBusName(family.bus)) + family.pszDensity).second);
        EXPECT_EQ(FindPartFamily(family.bus, family.pszDensity), &family);
    }
}
