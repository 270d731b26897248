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

// One byte as a string of the page, read as one character.
AnsiChar ByteChar(int b, CodePage cp)
{
    const AnsiChar ch = AnsiCharAt(std::string(1, static_cast<char>(b)), 0, cp);
    EXPECT_EQ(ch.nLength, 1u) << b;
    return ch;
}

std::string Written(char32_t c, CodePage cp)
{
    std::string out;
    return AppendAnsiChar(c, cp, out) ? out : "(none)";
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

TEST(CodePage, EveryWindowsAnsiPageIsTakenAndOtherNumbersAreExplained)
{
    const std::vector<int> supported = {874, 932, 936, 949, 950, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258, 65001};
    for (int n = 0; n < 70000; ++n) {
        CodePage cp;
        const bool bSupported = std::binary_search(supported.begin(), supported.end(), n);
        ASSERT_EQ(CodePageFromNumber(n, cp), bSupported) << n;
        EXPECT_EQ(CodePageRefusal(n).empty(), bSupported) << n;
        if (bSupported) {
            EXPECT_EQ(static_cast<int>(cp), n);
        }
    }
    EXPECT_EQ(CodePageRefusal(1249), "code page 1249 is not supported; the supported pages are 874, 1250 to 1258, "
                                     "932, 936, 949, 950 and 65001");
}

TEST(CodePage, EveryByteOfEverySingleBytePageReadsAndWritesAsOnWindows)
{
    for (const PageFacts& f : kFacts) {
        SCOPED_TRACE(static_cast<int>(f.cp));
        std::vector<char32_t> seen;
        for (int b = 0; b < 256; ++b) {
            const AnsiChar ch = ByteChar(b, f.cp);
            EXPECT_EQ(Written(ch.c, f.cp), std::string(1, static_cast<char>(b))) << b;
            if (b < 0x80) {
                EXPECT_EQ(ch.c, char32_t(b));
            }
            seen.push_back(ch.c);
            // Undefined bytes are the C1 controls of their own value or private-use ones.
            const bool bStandIn = ch.c == char32_t(b) ? b >= 0x80 && b < 0xA0 : ch.c >= 0xE000 && ch.c <= 0xF8FF;
            EXPECT_EQ(ch.kind, bStandIn ? AnsiCharKind::StandIn : AnsiCharKind::Defined) << b;
            EXPECT_EQ(AnsiToUtf8(std::string(1, char(b)), f.cp) == "\xEF\xBF\xBD", bStandIn) << b;
        }
        std::sort(seen.begin(), seen.end());
        EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end()) << "two bytes read alike";
        for (const auto& [b, u] : f.privateUse)
            EXPECT_EQ(ByteChar(b, f.cp).c, u) << b;
        for (const auto& [b, u] : f.characters) {
            EXPECT_EQ(ByteChar(b, f.cp).c, u) << b;
            EXPECT_EQ(ByteChar(b, f.cp).kind, AnsiCharKind::Defined) << b;
        }
        EXPECT_FALSE(AnsiHasChar(U'\u4E2D', f.cp));
        EXPECT_FALSE(AnsiHasChar(0xFFFD, f.cp));
        EXPECT_EQ(Utf32ToAnsi(U"a\u4E2D", f.cp), "a?");
    }
}

TEST(CodePage, LettersFoldToTheirPartnersInTheSamePage)
{
    const auto fold = [](int b, CodePage cp) { return AnsiFoldedCode(ByteChar(b, cp), cp); };
    for (const PageFacts& f : kFacts) {
        SCOPED_TRACE(static_cast<int>(f.cp));
        const std::string strUpper = Ansi(f.pszUpper, f.cp), strLower = Ansi(f.pszLower, f.cp);
        ASSERT_EQ(strUpper.size(), strLower.size());
        for (std::size_t i = 0; i < strUpper.size(); ++i) {
            const unsigned char up = static_cast<unsigned char>(strUpper[i]), low = static_cast<unsigned char>(strLower[i]);
            EXPECT_EQ(fold(up, f.cp), low) << int(up);
            EXPECT_EQ(fold(low, f.cp), low) << int(low);
        }
        // Folding is idempotent and never joins a letter to a character of another kind.
        for (int b = 0; b < 256; ++b) {
            const std::uint32_t folded = fold(b, f.cp);
            EXPECT_EQ(fold(static_cast<int>(folded), f.cp), folded) << b;
            EXPECT_EQ(ByteChar(static_cast<int>(folded), f.cp).kind, ByteChar(b, f.cp).kind) << b;
        }
    }
    // The Turkish dotted capital I and dotless small i have no partner in their page.
    EXPECT_EQ(fold(0xDD, CodePage::Windows1254), 0xDDu);
    EXPECT_EQ(fold(0xFD, CodePage::Windows1254), 0xFDu);
    EXPECT_EQ(fold('I', CodePage::Windows1254), std::uint32_t('i'));
    // The Greek final sigma and the micro sign are small letters already.
    EXPECT_EQ(fold(0xF2, CodePage::Windows1253), 0xF2u);
    EXPECT_EQ(fold(0xB5, CodePage::Windows1253), 0xB5u);
    EXPECT_EQ(fold(0xD7, CodePage::Windows1252), 0xD7u);  // × is no letter
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

// A path or option quoted in a message for the terminal: the letters of any script pass,
// what would break the line, drive the terminal or is no UTF-8 shows as \xNN.
TEST(CodePage, MessagesForTheTerminalShowControlsAndBadBytesAsHex)
{
    const struct {
        std::string strIn;
        std::string strShown;
    } kCases[] = {
        {"'Ελληνικά 日本/Progr.ini': no such file", "'Ελληνικά 日本/Progr.ini': no such file"},
        {"--x\ny", "--x\\x0Ay"},
        {"a\x1B]0;title\x07z", "a\\x1B]0;title\\x07z"},
        {"del\x7F tab\t", "del\\x7F tab\\x09"},
        {"c1 \xC2\x9B", "c1 \\xC2\\x9B"},
        {"bad \xE9t\xC3", "bad \\xE9t\\xC3"},
        {"\xE2\x82", "\\xE2\\x82"},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(MessageText(c.strIn), c.strShown) << c.strIn;
}
