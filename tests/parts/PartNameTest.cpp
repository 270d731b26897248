#include "PartName.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

struct SpellingCase {
    const char* pszName;
    const char* pszFamily;  // nullptr: not a part number
    const char* pszPart;
    const char* pszPrefix;
    const char* pszSeries;  // "" for none
    PartOrg org;
    bool bOrgFixed;
};

constexpr PartOrg any = PartOrg::unknown;
constexpr PartOrg x8 = PartOrg::x8;
constexpr PartOrg x16 = PartOrg::x16;

const SpellingCase kSpellings[] = {
    {"AT24C256", "24xx256", "AT24C256", "AT", "C", any, false},
    {"M24C02-W", "24xx02", "M24C02", "M", "C", any, false},
    {"93LC66B", "93xx66", "93LC66B", "", "LC", x16, true},
    {"24LC512-I/P", "24xx512", "24LC512", "", "LC", any, false},
    {"CAT24C16", "24xx16", "CAT24C16", "CAT", "C", any, false},
    {"BR24L02", "24xx02", "BR24L02", "BR", "L", any, false},
    {"BR24L02-W", "24xx02", "BR24L02", "BR", "L", any, false},
    {"CAT24WC02", "24xx02", "CAT24WC02", "CAT", "WC", any, false},
    {"M24256-BWMN6", "24xx256", "M24256", "M", "", any, false},
    {"M24M01-R", "24xxM01", "M24M01", "M", "", any, false},
    {"AT24CM02", "24xxM02", "AT24CM02", "AT", "C", any, false},
    {"24FC1025", "24xx1025", "24FC1025", "", "FC", any, false},
    {"24AA1026", "24xx1026", "24AA1026", "", "AA", any, false},
    {"AT24C1024B", "24xx1024", "AT24C1024B", "AT", "C", any, false},
    {"S-24CS02A", "24xx02", "S-24CS02A", "S-", "CS", any, false},
    {"AT24C02C-PUM", "24xx02", "AT24C02C", "AT", "C", any, false},
    {"ST24C04", "24xx04", "ST24C04", "ST", "C", any, false},
    {"24lc256", "24xx256", "24LC256", "", "LC", any, false},
    {"EEPROM 24C02 (DIP-8)", "24xx02", "24C02", "", "C", any, false},
    {"24xx128", "24xx128", "24XX128", "", "XX", any, false},
    {"CAT24C08WI", "24xx08", "CAT24C08WI", "CAT", "C", any, false},
    {"93AA46A", "93xx46", "93AA46A", "", "AA", x8, true},
    {"93LC56C", "93xx56", "93LC56C", "", "LC", any, false},
    {"93C46", "93xx46", "93C46", "", "C", any, false},
    {"93C46 x16", "93xx46", "93C46", "", "C", x16, false},
    {"93C86 x8", "93xx86", "93C86", "", "C", x8, false},
    {"CAT93C46", "93xx46", "CAT93C46", "CAT", "C", any, false},
    {"AT93C46D", "93xx46", "AT93C46D", "AT", "C", any, false},  // Atmel's letters are revisions
    {"M93C66-W", "93xx66", "M93C66", "M", "C", any, false},
    {"BR93L46", "93xx46", "BR93L46", "BR", "L", x16, true},
    {"S-93C46B", "93xx46", "S-93C46B", "S-", "C", x16, true},
    {"NM93C56", "93xx56", "NM93C56", "NM", "C", x16, true},
    {"93LC46BT-I/SN", "93xx46", "93LC46BT", "", "LC", x16, true},
    // Names that are no part Orvane knows are left alone.
    {"24LC164", nullptr, "", "", "", any, false},    // cascadable 16K, not a 24xx16
    {"24C00", nullptr, "", "", "", any, false},
    {"24LC21A", nullptr, "", "", "", any, false},
    {"25LC256", nullptr, "", "", "", any, false},    // SPI
    {"93LCS56", nullptr, "", "", "", any, false},
    {"M93S46", nullptr, "", "", "", any, false},
    {"FM24CL64", nullptr, "", "", "", any, false},   // FRAM
    {"PIC24FJ64", nullptr, "", "", "", any, false},
    {"AB24C02", nullptr, "", "", "", any, false},
    {"24256", nullptr, "", "", "", any, false},
    {"Boot ROM", nullptr, "", "", "", any, false},
    {"", nullptr, "", "", "", any, false},
};

class SpellingTest : public testing::TestWithParam<SpellingCase> {};

}  // namespace

TEST_P(SpellingTest, ReadsThePartNumber)
{
    const SpellingCase& c = GetParam();
    PartMatch m;
    const bool bFound = MatchPartName(c.pszName, m);
    ASSERT_EQ(bFound, c.pszFamily != nullptr) << c.pszName << " read as " << (bFound ? m.pFamily->pszName : "");
    if (!bFound)
        return;
    EXPECT_STREQ(m.pFamily->pszName, c.pszFamily);
    EXPECT_EQ(m.strPart, c.pszPart);
    EXPECT_STREQ(m.pMaker->pszPrefix, c.pszPrefix);
    EXPECT_STREQ(m.pSeries ? m.pSeries->pszLetters : "", c.pszSeries);
    EXPECT_EQ(m.org, c.org);
    EXPECT_EQ(m.bOrgFixed, c.bOrgFixed);
}

INSTANTIATE_TEST_SUITE_P(Names, SpellingTest, testing::ValuesIn(kSpellings),
                         [](const testing::TestParamInfo<SpellingCase>& info) {
                             std::string strName = "n" + std::to_string(info.index) + "_";
                             for (const char* p = info.param.pszName; *p; ++p)
                                 strName += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return strName;
                         });

TEST(PartNameTest, PagesAreUnknownWhereThePrefixAlsoNamesOtherParts)
{
    PartMatch m;
    ASSERT_TRUE(MatchPartName("FM24C64", m));  // Fairchild EEPROM or Ramtron FRAM
    EXPECT_EQ(m.nPage, 0);
    ASSERT_TRUE(MatchPartName("X24C02", m));
    EXPECT_EQ(m.nPage, 0);
    ASSERT_TRUE(MatchPartName("BR24L32", m));
    EXPECT_EQ(m.nPage, 32);
}

TEST(PartNameTest, NoMatchLeavesTheResultAlone)
{
    PartMatch m;
    ASSERT_TRUE(MatchPartName("24C02", m));
    EXPECT_FALSE(MatchPartName("24C03", m));
    EXPECT_STREQ(m.pFamily->pszName, "24xx02");
}

TEST(PartNameTest, OrganisationWords)
{
    const struct {
        const char* pszText;
        PartOrg org;
    } cases[] = {
        {"Microwire x8", x8},       {"Microwire x16 (variant 2)", x16}, {"Microwire X16", x16},
        {"(x16)", x16},             {"Microwire x8/x16", any},          {"Microwire", any},
        {"box16", any},             {"x160", any},                      {"x16bit", any},
        {"", any},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OrgInText(c.pszText), c.org) << c.pszText;
}

TEST(PartNameTest, TheSecondByteOfADoubleByteCharacterIsNoLetter)
{
    PartMatch m;
    // 乀 (81 54) ends in a byte that looks like a T, 갂 (81 41) in one like an A.
    ASSERT_TRUE(MatchPartName("\x81\x54" "24C02", m, CodePage::Windows936));
    EXPECT_STREQ(m.pFamily->pszName, "24xx02");
    EXPECT_FALSE(MatchPartName("\x81\x41T24C02", m, CodePage::Windows949));
    EXPECT_TRUE(MatchPartName("\x81\x41T24C02", m, CodePage::Windows1252));  // Atmel's AT24C02
    EXPECT_EQ(OrgInText("Microwire \x81\x78" "16", CodePage::Windows936), any);  // 亁16
    EXPECT_EQ(OrgInText("Microwire \x81\x78" "16", CodePage::Windows1252), x16);
}

TEST(PartNameTest, DescriptionSaysWhatThePartNumberImplies)
{
    PartMatch m;
    ASSERT_TRUE(MatchPartName("93LC66B", m));
    EXPECT_EQ(DescribePart(m), "93xx66, 512 bytes, 9/8 address bits (x8/x16), x16 only (suffix B); maker: Microchip, "
                               "or no maker named; series LC: 2.5 V to 5.5 V");
    ASSERT_TRUE(MatchPartName("FM24C16", m));
    EXPECT_NE(DescribePart(m).find("page not known for this maker"), std::string::npos);
}
