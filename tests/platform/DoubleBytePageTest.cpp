#include "CodePage.h"
#include "String.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

// The double-byte pages and UTF-8. How many pairs of each kind a page has, and its
// sample characters, are what Windows (under Wine) reads; tests/windows compares every
// pair and character with the system's own converters.

namespace {

struct DoubleByteFacts {
    CodePage cp;
    char32_t cDefault;
    std::vector<int> leadBytes;  // first and last of each range
    // Lead and trail pairs (trail bytes 01 to FF) by kind.
    std::map<AnsiCharKind, int> counts;
    std::vector<std::pair<std::string, char32_t>> characters;
};

const DoubleByteFacts kFacts[] = {
    {CodePage::Windows932, 0x30FB, {0x81, 0x9F, 0xE0, 0xFC},
     {{AnsiCharKind::Defined, 7326}, {AnsiCharKind::Variant, 398}, {AnsiCharKind::StandIn, 1880},
      {AnsiCharKind::Invalid, 5696}},
     {{"\x95\x5C", 0x8868}, {"\x83\x5C", 0x30BD}, {"\x82\xA0", 0x3042}, {"\x81\x40", 0x3000}, {"\xB1", 0xFF71},
      {"\xDF", 0xFF9F}, {"\xA0", 0xF8F0}, {"\x80", 0x0080}, {"\xF0\x40", 0xE000}, {"\xFA\x40", 0x2170},
      {"\xEE\xEF", 0x2170}}},
    {CodePage::Windows936, 0x003F, {0x81, 0xFE},
     {{AnsiCharKind::Defined, 21791}, {AnsiCharKind::StandIn, 2149}, {AnsiCharKind::Invalid, 8190}},
     {{"\x81\x54", 0x4E40}, {"\xD6\xD0", 0x4E2D}, {"\x80", 0x20AC}, {"\xFF", 0xF8F5}, {"\xAA\xA1", 0xE000},
      {"\xA2\xAB", 0xE766}, {"\xFE\xA0", 0xE864}}},
    {CodePage::Windows949, 0x003F, {0x81, 0xFE},
     {{AnsiCharKind::Defined, 17048}, {AnsiCharKind::StandIn, 188}, {AnsiCharKind::Invalid, 14894}},
     {{"\x81\x41", 0xAC02}, {"\x8C\x63", 0xB620}, {"\xB0\xA1", 0xAC00}, {"\xC9\xA1", 0xE000}, {"\xFF", 0xF8F7}}},
    {CodePage::Windows950, 0x003F, {0x81, 0xFE},
     {{AnsiCharKind::Defined, 13493}, {AnsiCharKind::Variant, 10}, {AnsiCharKind::StandIn, 6217},
      {AnsiCharKind::Invalid, 12410}},
     {{"\xB3\x5C", 0x8A31}, {"\xA5\x5C", 0x529F}, {"\xA1\x40", 0x3000}, {"\xC6\xA1", 0xF6B1}, {"\xF9\xF9", 0x2550},
      {"\xA2\xA4", 0x2550}}},
};

bool IsLead(const DoubleByteFacts& f, int b)
{
    for (std::size_t i = 0; i < f.leadBytes.size(); i += 2) {
        if (b >= f.leadBytes[i] && b <= f.leadBytes[i + 1])
            return true;
    }
    return false;
}

std::string Written(char32_t c, CodePage cp)
{
    std::string out;
    return AppendAnsiChar(c, cp, out) ? out : "(none)";
}

std::string Ansi(const std::string& strUtf8, CodePage cp)
{
    std::string strAnsi, strWhy;
    EXPECT_TRUE(Utf8ToAnsi(strUtf8, cp, strAnsi, strWhy)) << strWhy;
    return strAnsi;
}

// The names of the pages as they are stored: two of 932 whose trail bytes are a
// backslash, one of 936 whose trail byte is a capital letter, one of 949.
const std::string kJapanese = "\x95\x5C\x8E\xA6\x83\x5C\x83\x74\x83\x67";  // 表示ソフト
const std::string kChinese = "\x81\x54Test";                                 // 乀Test
const std::string kKorean = "\x81\x41\x8C\x63";                              // 갂똠

}  // namespace

TEST(DoubleBytePage, EveryPairReadsAsWindowsReadsItAndWritesBack)
{
    for (const DoubleByteFacts& f : kFacts) {
        SCOPED_TRACE(static_cast<int>(f.cp));
        std::map<AnsiCharKind, int> counts;
        for (int lead = 0x80; lead < 0x100; ++lead) {
            if (!IsLead(f, lead)) {
                const AnsiChar ch = AnsiCharAt(std::string(1, char(lead)), 0, f.cp);
                EXPECT_EQ(ch.nLength, 1u) << lead;
                EXPECT_EQ(Written(ch.c, f.cp), std::string(1, char(lead))) << lead;
                continue;
            }
            for (int trail = 1; trail < 0x100; ++trail) {
                const std::string pair{char(lead), char(trail)};
                const AnsiChar ch = AnsiCharAt(pair, 0, f.cp);
                ASSERT_EQ(ch.nLength, 2u) << lead << " " << trail;
                EXPECT_EQ(ch.nCode, std::uint32_t(lead << 8 | trail));
                ++counts[ch.kind];
                const std::string back = Written(ch.c, f.cp);
                if (ch.kind == AnsiCharKind::Invalid) {
                    EXPECT_EQ(ch.c, f.cDefault);
                } else if (ch.kind == AnsiCharKind::Variant) {
                    // The page writes the character's other code, which reads back as it.
                    ASSERT_EQ(back.size(), 2u);
                    EXPECT_NE(back, pair);
                    EXPECT_EQ(AnsiCharAt(back, 0, f.cp).c, ch.c);
                    EXPECT_EQ(AnsiCharAt(back, 0, f.cp).kind, AnsiCharKind::Defined);
                } else {
                    EXPECT_EQ(back, pair) << lead << " " << trail;
                }
            }
        }
        EXPECT_EQ(counts, f.counts);
        for (const auto& [bytes, c] : f.characters) {
            EXPECT_EQ(AnsiToUtf32(bytes, f.cp), std::u32string(1, c)) << bytes;
        }
        // A lead byte at the end, or before a NUL, stands alone for the default character.
        const std::string strLead(1, char(f.leadBytes[0]));
        EXPECT_EQ(AnsiToUtf32("a" + strLead, f.cp), (std::u32string{U'a', f.cDefault}));
        EXPECT_EQ(AnsiToUtf32(strLead + std::string(1, '\0') + "A", f.cp), (std::u32string{f.cDefault, 0, U'A'}));
        EXPECT_FALSE(AnsiRoundTrips("a" + strLead, f.cp));
        EXPECT_EQ(AnsiToUtf8("a" + strLead, f.cp), "a\xEF\xBF\xBD");
    }
}

TEST(DoubleBytePage, NamesConvertWholeAndEveryPromiseHolds)
{
    EXPECT_EQ(Ansi("表示ソフト", CodePage::Windows932), kJapanese);
    EXPECT_EQ(Ansi("乀Test", CodePage::Windows936), kChinese);
    EXPECT_EQ(Ansi("갂똠", CodePage::Windows949), kKorean);
    EXPECT_EQ(Ansi("許功蓋", CodePage::Windows950), "\xB3\x5C\xA5\x5C\xBB\x5C");
    EXPECT_EQ(AnsiToUtf8(kJapanese, CodePage::Windows932), "表示ソフト");
    EXPECT_EQ(AnsiToUtf16(kChinese, CodePage::Windows936), u"乀Test");
    EXPECT_EQ(Utf16ToAnsi(u"갂똠", CodePage::Windows949), kKorean);
    // What the page lacks is refused by name, or becomes '?' where it must be written.
    std::string strAnsi, strWhy;
    EXPECT_FALSE(Utf8ToAnsi("갂", CodePage::Windows932, strAnsi, strWhy));
    EXPECT_EQ(strWhy, "has U+AC02, which code page 932 lacks");
    EXPECT_EQ(Utf16ToAnsi(u"\u00A2x\U0001F600", CodePage::Windows932), "?x?");
    // Half-width katakana are single bytes; a variant and a user-defined character read
    // as characters but are no name to type back.
    EXPECT_EQ(Ansi("ｱｲｳ", CodePage::Windows932), "\xB1\xB2\xB3");
    EXPECT_TRUE(AnsiRoundTrips(kJapanese + "\xB1", CodePage::Windows932));
    EXPECT_FALSE(AnsiRoundTrips("\xEE\xEF", CodePage::Windows932));
    EXPECT_EQ(AnsiToUtf8("\xEE\xEF", CodePage::Windows932), "ⅰ");
    EXPECT_EQ(Utf16ToAnsi(AnsiToUtf16("\xEE\xEF", CodePage::Windows932), CodePage::Windows932), "\xFA\x40");
    EXPECT_FALSE(AnsiRoundTrips("\xF0\x40", CodePage::Windows932));
    EXPECT_EQ(Utf16ToAnsi(AnsiToUtf16("\xF0\x40\xA0", CodePage::Windows932), CodePage::Windows932), "\xF0\x40\xA0");
    // An undefined pair is one character, whose trail byte is not read on its own.
    EXPECT_EQ(AnsiToUtf32("\x85\x41" "B", CodePage::Windows932), U"\u30FBB");
    EXPECT_EQ(Utf16ToAnsi(AnsiToUtf16("\x85\x41", CodePage::Windows932), CodePage::Windows932), "\x81\x45");
}

TEST(DoubleBytePage, TrailBytesAreNeverFoldedSplitOrTakenForCharacters)
{
    struct Case {
        CodePage cp;
        std::string a, b;
        int nNoCase;  // AnsiCompareNoCase(a, b)
    };
    const Case cases[] = {
        // 乀 (81 54) and 乼 (81 74) differ in a trail byte that is a letter, in either case.
        {CodePage::Windows936, kChinese, "\x81\x74Test", -1},
        {CodePage::Windows936, kChinese, "\x81\x54TEST", 0},
        {CodePage::Windows949, kKorean, "\x81\x61\x8C\x63", -1},
        {CodePage::Windows932, kJapanese, "\x95\x7C\x8E\xA6\x83\x5C\x83\x74\x83\x67", -1},
        // Full-width letters fold like the others; half-width katakana come before every
        // double-byte character, as in _mbscmp.
        {CodePage::Windows932, "\x82\x60\x82\x61", "\x82\x81\x82\x82", 0},  // ＡＢ, ａｂ
        {CodePage::Windows932, "\x83\x9F", "\x83\xBF", 0},                  // Α, α
        {CodePage::Windows932, "\xB1", "\x81\x40", -1},
        {CodePage::Windows949, "\xA3\xC1", "\xA3\xE1", 0},  // Ａ, ａ
        {CodePage::Windows950, "\xA2\xCF", "\xA2\xE9", 0},  // Ａ, ａ
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.cp));
        EXPECT_EQ(AnsiCompareNoCase(c.a, c.b, c.cp), c.nNoCase) << c.a << " / " << c.b;
        EXPECT_EQ(AnsiCompareNoCase(c.b, c.a, c.cp), -c.nNoCase) << c.b << " / " << c.a;
        EXPECT_EQ(AnsiCompare(c.a, c.b, c.cp) == 0, c.a == c.b);
    }
    EXPECT_LT(AnsiCompare("\xB1", "\x81\x40", CodePage::Windows932), 0);
    // The walker steps over whole characters.
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < kJapanese.size(); i += AnsiCharAt(kJapanese, i, CodePage::Windows932).nLength)
        starts.push_back(i);
    EXPECT_EQ(starts, (std::vector<std::size_t>{0, 2, 4, 6, 8}));
    // A variant compares as the character the page writes for it.
    EXPECT_EQ(AnsiCompareNoCase("\xEE\xEF", "\xFA\x40", CodePage::Windows932), 0);
    EXPECT_NE(AnsiCompare("\xEE\xEF", "\xFA\x40", CodePage::Windows932), 0);
}

TEST(Utf8Page, ValidTextIsItsOwnAndMalformedBytesAreKept)
{
    const CodePage cp = CodePage::Utf8;
    EXPECT_EQ(Ansi("Łódź 表示 \U0001F600", cp), "Łódź 表示 \U0001F600");
    EXPECT_TRUE(AnsiRoundTrips("Łódź \U0001F600", cp));
    // Malformed sequences, each as many U+FFFD as Windows gives.
    const struct {
        std::string bytes;
        std::u32string read;
    } cases[] = {
        {"\xC0\x80", U"\uFFFD\uFFFD"},       {"\xE0\x80\x80", U"\uFFFD\uFFFD"}, {"\xED\xA0\x80", U"\uFFFD\uFFFD"},
        {"\xE2\x82", U"\uFFFD"},             {"\xE2\x82" "A", U"\uFFFDA"},       {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD"},
        {"\x80" "A", U"\uFFFDA"},           {"\xF0\x9F\x98", U"\uFFFD"},        {"\xE0\xC0", U"\uFFFD\uFFFD"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AnsiToUtf32(c.bytes, cp), c.read) << c.bytes;
        EXPECT_FALSE(AnsiRoundTrips(c.bytes, cp));
        EXPECT_EQ(AnsiCompare(c.bytes, c.bytes + "x", cp), -1);
    }
    EXPECT_EQ(Utf16ToAnsi(std::u16string{0xD800, u'A'}, cp), "\xEF\xBF\xBD" "A");
    EXPECT_EQ(AnsiCompareNoCase("ŁÓDŹ", "łódź", cp), 0);
    EXPECT_NE(AnsiCompareNoCase("\xE0\x80", "\xE0\x81", cp), 0);
    EXPECT_EQ(CString("x").CompareNoCase("X"), 0);
}
