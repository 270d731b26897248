#include "CodePage.h"
#include "String.h"

#include <gtest/gtest.h>

TEST(CodePage, TheLocaleChoosesThePage)
{
    for (const char* psz : {"ru_RU.UTF-8", "uk_UA", "be_BY.CP1251", "bg", "sr_RS@latin"})
        EXPECT_EQ(AnsiCodePageFromLocale(psz), CodePage::Windows1251) << psz;
    for (const char* psz : {"C", "POSIX", "en_US.UTF-8", "de_DE", "rus", "", "fr_RU"})
        EXPECT_EQ(AnsiCodePageFromLocale(psz), CodePage::Windows1252) << psz;
    EXPECT_EQ(AnsiCodePageFromLocale(nullptr), CodePage::Windows1252);
}

TEST(CodePage, EveryDefinedByteRoundTripsAndGapsDoNot)
{
    for (CodePage cp : {CodePage::Windows1252, CodePage::Windows1251}) {
        for (int b = 0; b < 256; ++b) {
            char32_t u = AnsiToUnicode(static_cast<unsigned char>(b), cp);
            if (u == 0xFFFD)
                EXPECT_EQ(UnicodeToAnsi(u, cp), '?');
            else
                EXPECT_EQ(static_cast<unsigned char>(UnicodeToAnsi(u, cp)), b) << b;
        }
    }
    EXPECT_EQ(AnsiToUnicode(0x80, CodePage::Windows1252), U'\u20AC');
    EXPECT_EQ(AnsiToUnicode(0x81, CodePage::Windows1252), U'\uFFFD');
    EXPECT_EQ(AnsiToUnicode(0x88, CodePage::Windows1251), U'\u20AC');
    EXPECT_EQ(AnsiToUnicode(0x98, CodePage::Windows1251), U'\uFFFD');
    EXPECT_EQ(AnsiToUnicode(0xC0, CodePage::Windows1251), U'\u0410');
    EXPECT_EQ(AnsiToUnicode(0xFF, CodePage::Windows1251), U'\u044F');
    EXPECT_EQ(AnsiToUnicode(0xA8, CodePage::Windows1251), U'\u0401');
    EXPECT_EQ(UnicodeToAnsi(U'\u0416', CodePage::Windows1252), '?');
    EXPECT_EQ(Utf32ToAnsi(U"Жук", CodePage::Windows1251), "\xC6\xF3\xEA");
    EXPECT_EQ(AnsiToUtf32("\xC6\xF3\xEA", CodePage::Windows1251), U"Жук");
}

TEST(CodePage, Utf16JoinsPairsAndStopsAtNul)
{
    EXPECT_EQ(Utf16ToAnsi(u"caf\u00E9", CodePage::Windows1252), "caf\xE9");
    EXPECT_EQ(Utf16ToAnsi(std::u16string(u"ab\0cd", 5), CodePage::Windows1252), "ab");
    // A pair outside the page is one '?', a lone surrogate also one.
    EXPECT_EQ(Utf16ToAnsi(u"x\U0001F600y", CodePage::Windows1252), "x?y");
    EXPECT_EQ(Utf16ToAnsi(std::u16string{u'a', char16_t(0xD800), u'b'}, CodePage::Windows1252), "a?b");
}

TEST(CodePage, FoldingIgnoresCaseOfThePagesLetters)
{
    EXPECT_EQ(AnsiFoldCase('A', CodePage::Windows1252), 'a');
    EXPECT_EQ(AnsiFoldCase('z', CodePage::Windows1252), 'z');
    EXPECT_EQ(AnsiFoldCase(0xC9, CodePage::Windows1252), 0xE9);  // É
    EXPECT_EQ(AnsiFoldCase(0xD7, CodePage::Windows1252), 0xD7);  // × is no letter
    EXPECT_EQ(AnsiFoldCase(0x8A, CodePage::Windows1252), 0x9A);  // Š
    EXPECT_EQ(AnsiFoldCase(0x9F, CodePage::Windows1252), 0xFF);  // Ÿ
    EXPECT_EQ(AnsiFoldCase(0xC6, CodePage::Windows1251), 0xE6);  // Ж
    EXPECT_EQ(AnsiFoldCase(0xA8, CodePage::Windows1251), 0xB8);  // Ё
    EXPECT_EQ(AnsiFoldCase(0x80, CodePage::Windows1251), 0x90);  // Ђ
    EXPECT_EQ(AnsiFoldCase(0xC6, CodePage::Windows1252), 0xE6);  // Æ
    EXPECT_EQ(CString("24c02").CompareNoCase("24C02"), 0);
    EXPECT_LT(CString("abc").CompareNoCase("ABD"), 0);
}
