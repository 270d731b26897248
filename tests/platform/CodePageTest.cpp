#include "CodePage.h"
#include "String.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

std::string Ansi(const std::string& strUtf8, CodePage cp)
{
    std::string strAnsi, strWhy;
    EXPECT_TRUE(Utf8ToAnsi(strUtf8, cp, strAnsi, strWhy)) << strWhy;
    return strAnsi;
}

// Per page: the bytes Windows reads as private-use characters, some of its own
// characters, its letters in capital and small form, and names in the list's order.
struct PageFacts {
    CodePage cp;
    std::vector<std::pair<int, char32_t>> privateUse;
    std::vector<std::pair<int, char32_t>> characters;
    const char* pszUpper;
    const char* pszLower;
    std::vector<const char*> sorted;
};

const PageFacts kFacts[] = {
    {CodePage::Windows874, {{0xDB, 0xF8C1}, {0xFF, 0xF8C8}}, {{0x80, 0x20AC}, {0xA1, 0x0E01}, {0xDF, 0x0E3F}},
     "ABZ", "abz", {"a", "B", "\xE0\xB8\x81", "\xE0\xB8\x82"}},
    {CodePage::Windows1250, {}, {{0xA3, 0x0141}, {0x8C, 0x015A}, {0xFF, 0x02D9}},
     "ŁÓŹŻĄĘŚĆŃŠŤŽŔĹĽĎĚŇŘŮŰŐ", "łóźżąęśćńšťžŕĺľďěňřůűő", {"Lampa", "Zebra", "łódź", "ŁÓDŹ2", "Żuk"}},
    {CodePage::Windows1251, {}, {{0xC0, 0x0410}, {0xFF, 0x044F}, {0xA8, 0x0401}, {0x88, 0x20AC}},
     "ЖЁЂЃЄЅІЇЈЉЊЋЌЎЏҐ", "жёђѓєѕіїјљњћќўџґ", {"Ёж", "Жук", "жук2", "Ящик"}},
    {CodePage::Windows1252, {}, {{0x80, 0x20AC}, {0x9F, 0x0178}, {0xE9, 0x00E9}},
     "ÉÆŠŒŽŸÞ", "éæšœžÿþ", {"café", "CAFÉ2", "Zoo", "Ærø"}},
    {CodePage::Windows1253, {{0xAA, 0xF8F9}, {0xD2, 0xF8FA}, {0xFF, 0xF8FB}}, {{0xA2, 0x0386}, {0xD3, 0x03A3}},
     "ΑΒΓΣΏΆΪ", "αβγσώάϊ", {"Alpha", "Άλφα", "άλφα2", "Ωμέγα"}},
    {CodePage::Windows1254, {}, {{0xD0, 0x011E}, {0xDD, 0x0130}, {0xFD, 0x0131}},
     "ĞŞÇÖÜ", "ğşçöü", {"Cam", "Zeytin", "Çiçek", "ÇİÇEK2", "ığdır"}},
    {CodePage::Windows1255, {{0xD9, 0xF88D}, {0xFF, 0xF896}}, {{0xCA, 0x05BA}, {0xE0, 0x05D0}, {0xA4, 0x20AA}},
     "AZ", "az", {"Abc", "abd", "אבג", "ת"}},
    {CodePage::Windows1256, {}, {{0x81, 0x067E}, {0xC7, 0x0627}, {0x8C, 0x0152}},
     "ŒAZ", "œaz", {"Abc", "Œuvre", "ا", "ب"}},
    {CodePage::Windows1257, {{0xA1, 0xF8FC}, {0xA5, 0xF8FD}}, {{0xC0, 0x0104}, {0xDE, 0x017D}},
     "ĄČĘĖĮŠŲŪŽĀĒĢĪĶĻŅŌÕ", "ąčęėįšųūžāēģīķļņōõ", {"Zuikis", "Ąžuolas", "ąžuolas2", "Šuo"}},
    {CodePage::Windows1258, {}, {{0xC3, 0x0102}, {0xD5, 0x01A0}, {0xDD, 0x01AF}, {0xD2, 0x0309}},
     "ĂĐƠƯÂÊÔ", "ăđơưâêô", {"Zeta", "Ăn", "ăn2", "Đà", "Ơn"}},
};

}  // namespace

TEST(CodePage, TheLocaleChoosesThePageAsWindowsWould)
{
    const struct {
        int nPage;
        std::vector<const char*> locales;
    } cases[] = {
        {1250, {"pl_PL.UTF-8", "cs_CZ", "sk", "hu_HU.ISO-8859-2", "hr_HR", "sl_SI", "ro_RO", "bs_BA", "sq_AL",
                "sr_RS@latin"}},
        {1251, {"ru_RU.UTF-8", "uk_UA", "be_BY.CP1251", "bg", "sr_RS", "mk_MK", "kk_KZ", "uz_UZ@cyrillic"}},
        {1253, {"el_GR.UTF-8", "el_CY"}},
        {1254, {"tr_TR", "az_AZ", "uz_UZ"}},
        {1255, {"he_IL.UTF-8", "iw_IL"}},
        {1256, {"ar_EG", "fa_IR", "ur_PK"}},
        {1257, {"et_EE", "lv_LV", "lt_LT.UTF-8"}},
        {1258, {"vi_VN"}},
        {874, {"th_TH.UTF-8"}},
        {932, {"ja_JP.UTF-8"}},
        {936, {"zh_CN.UTF-8", "zh_SG", "zh"}},
        {949, {"ko_KR.EUC-KR"}},
        {950, {"zh_TW.UTF-8", "zh_HK"}},
        {1252, {"C", "POSIX", "C.UTF-8", "en_US.UTF-8", "de_DE", "rus", "", "fr_RU", "plx_PL", "l"}},
    };
    for (const auto& c : cases) {
        for (const char* psz : c.locales)
            EXPECT_EQ(AnsiCodePageFromLocale(psz), c.nPage) << psz;
    }
    EXPECT_EQ(AnsiCodePageFromLocale(nullptr), 1252);
}

TEST(CodePage, OnlyTheSingleBytePagesAreTakenAndTheOthersAreExplained)
{
    for (int n = 0; n < 70000; ++n) {
        CodePage cp;
        const bool bSupported = n == 874 || (n >= 1250 && n <= 1258);
        ASSERT_EQ(CodePageFromNumber(n, cp), bSupported) << n;
        EXPECT_EQ(CodePageRefusal(n).empty(), bSupported) << n;
        if (bSupported) {
            EXPECT_EQ(static_cast<int>(cp), n);
        }
    }
    EXPECT_EQ(CodePageRefusal(932), "code page 932 (Japanese) is a double-byte page, which is not supported yet, "
                                    "since names would be sorted and matched byte by byte and their characters split");
    for (int n : {936, 949, 950})
        EXPECT_NE(CodePageRefusal(n).find("double-byte"), std::string::npos) << n;
    EXPECT_EQ(CodePageRefusal(65001), "code page 65001 is not supported; the supported pages are 874 and 1250 to 1258");
}

TEST(CodePage, EveryByteOfEveryPageReadsAndWritesAsOnWindows)
{
    for (const PageFacts& f : kFacts) {
        SCOPED_TRACE(static_cast<int>(f.cp));
        std::vector<char32_t> seen;
        for (int b = 0; b < 256; ++b) {
            const unsigned char ch = static_cast<unsigned char>(b);
            const char32_t u = AnsiToUnicode(ch, f.cp);
            EXPECT_EQ(static_cast<unsigned char>(UnicodeToAnsi(u, f.cp)), b) << b;
            if (b < 0x80) {
                EXPECT_EQ(u, char32_t(b));
            }
            seen.push_back(u);
            // Undefined bytes are the C1 controls of their own value or private-use ones.
            const bool bStandIn = u == char32_t(b) ? b >= 0x80 && b < 0xA0 : u >= 0xE000 && u <= 0xF8FF;
            EXPECT_EQ(AnsiIsDefined(ch, f.cp), !bStandIn) << b;
            EXPECT_EQ(AnsiToUtf8(std::string(1, char(b)), f.cp) == "\xEF\xBF\xBD", bStandIn) << b;
        }
        std::sort(seen.begin(), seen.end());
        EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end()) << "two bytes read alike";
        for (const auto& [b, u] : f.privateUse)
            EXPECT_EQ(AnsiToUnicode(static_cast<unsigned char>(b), f.cp), u) << b;
        for (const auto& [b, u] : f.characters) {
            EXPECT_EQ(AnsiToUnicode(static_cast<unsigned char>(b), f.cp), u) << b;
            EXPECT_TRUE(AnsiIsDefined(static_cast<unsigned char>(b), f.cp)) << b;
        }
        EXPECT_EQ(UnicodeToAnsi(U'\u4E2D', f.cp), '?');
        EXPECT_EQ(UnicodeToAnsi(0xFFFD, f.cp), '?');
    }
}

TEST(CodePage, LettersFoldToTheirPartnersInTheSamePage)
{
    for (const PageFacts& f : kFacts) {
        SCOPED_TRACE(static_cast<int>(f.cp));
        const std::string strUpper = Ansi(f.pszUpper, f.cp), strLower = Ansi(f.pszLower, f.cp);
        ASSERT_EQ(strUpper.size(), strLower.size());
        for (std::size_t i = 0; i < strUpper.size(); ++i) {
            const unsigned char up = static_cast<unsigned char>(strUpper[i]), low = static_cast<unsigned char>(strLower[i]);
            EXPECT_EQ(AnsiFoldCase(up, f.cp), low) << int(up);
            EXPECT_EQ(AnsiFoldCase(low, f.cp), low) << int(low);
        }
        // Folding is idempotent and never joins a letter to a character of another kind.
        for (int b = 0; b < 256; ++b) {
            const unsigned char folded = AnsiFoldCase(static_cast<unsigned char>(b), f.cp);
            EXPECT_EQ(AnsiFoldCase(folded, f.cp), folded) << b;
            EXPECT_EQ(AnsiIsDefined(folded, f.cp), AnsiIsDefined(static_cast<unsigned char>(b), f.cp)) << b;
        }
    }
    // The Turkish dotted capital I and dotless small i have no partner in their page.
    EXPECT_EQ(AnsiFoldCase(0xDD, CodePage::Windows1254), 0xDD);
    EXPECT_EQ(AnsiFoldCase(0xFD, CodePage::Windows1254), 0xFD);
    EXPECT_EQ(AnsiFoldCase('I', CodePage::Windows1254), 'i');
    // The Greek final sigma and the micro sign are small letters already.
    EXPECT_EQ(AnsiFoldCase(0xF2, CodePage::Windows1253), 0xF2);
    EXPECT_EQ(AnsiFoldCase(0xB5, CodePage::Windows1253), 0xB5);
    EXPECT_EQ(AnsiFoldCase(0xD7, CodePage::Windows1252), 0xD7);  // × is no letter
    EXPECT_EQ(CString("24c02").CompareNoCase("24C02"), 0);
    EXPECT_LT(CString("abc").CompareNoCase("ABD"), 0);
}

TEST(CodePage, NamesSortWithoutCaseInEveryPage)
{
    for (const PageFacts& f : kFacts) {
        SCOPED_TRACE(static_cast<int>(f.cp));
        for (std::size_t i = 0; i + 1 < f.sorted.size(); ++i) {
            const std::string a = Ansi(f.sorted[i], f.cp), b = Ansi(f.sorted[i + 1], f.cp);
            EXPECT_LT(AnsiCompareNoCase(a, b, f.cp), 0) << f.sorted[i] << " < " << f.sorted[i + 1];
            EXPECT_GT(AnsiCompareNoCase(b, a, f.cp), 0);
        }
    }
    EXPECT_EQ(AnsiCompareNoCase("\xA3\xD3\x44\x8F", "\xB3\xF3\x64\x9F", CodePage::Windows1250), 0);  // ŁÓDŹ, łódź
    EXPECT_NE(AnsiCompareNoCase("\xA3\xD3\x44\x8F", "\xB3\xF3\x64\x9F", CodePage::Windows1252), 0);
}

TEST(CodePage, UnicodeFormsConvertBothWays)
{
    EXPECT_EQ(Utf16ToAnsi(u"caf\u00E9", CodePage::Windows1252), "caf\xE9");
    EXPECT_EQ(Utf16ToAnsi(std::u16string(u"ab\0cd", 5), CodePage::Windows1252), "ab");
    // A pair outside the page is one '?', a lone surrogate also one.
    EXPECT_EQ(Utf16ToAnsi(u"x\U0001F600y", CodePage::Windows1252), "x?y");
    EXPECT_EQ(Utf16ToAnsi(std::u16string{u'a', char16_t(0xD800), u'b'}, CodePage::Windows1252), "a?b");
    EXPECT_EQ(AnsiToUtf16("\xA3\xF3\x64\x9F", CodePage::Windows1250), u"Łódź");
    EXPECT_EQ(Utf16ToAnsi(u"Łódź", CodePage::Windows1250), "\xA3\xF3\x64\x9F");
    EXPECT_EQ(Utf16ToUtf32(u"a\U0001F600"), U"a\U0001F600");
    EXPECT_EQ(Utf32ToUtf16(U"a\U0001F600"), u"a\U0001F600");
    EXPECT_EQ(Utf32ToUtf16(std::u32string{0xD800, 0x110000}), u"\uFFFD\uFFFD");
    EXPECT_EQ(Utf32ToUtf8(U"Łódź\U0001F600"), "Łódź\U0001F600");
    EXPECT_EQ(Utf32ToUtf8(std::u32string{0xDC00}), "\xEF\xBF\xBD");
}
