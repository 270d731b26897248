#include "CodePage.h"
#include "Collation.h"
#include "SortedListOrder.h"

#include "support/ListOrderData.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#ifndef _WIN32

namespace {

std::u32string Text(const std::string& strUtf8)
{
    std::u32string text;
    Utf8ToUtf32(strUtf8, text);
    return text;
}

int Compare(const char* pszLocale, const std::string& a, const std::string& b)
{
    return CCollation(pszLocale).Compare(Text(a), Text(b));
}

// Names in the default order (US English), each before the next.
const std::vector<std::vector<std::string>> kAscending = {
    // A hyphen or an apostrophe counts only between names otherwise equal, and then
    // the name with it further on comes first.
    {"24c02", "24C-02", "24C02A", "24C02-A", "24C02B"},
    {"Bobs", "Bob's", "Bobt"},
    {"ab-c", "a-bc", "-abc"},
    // Other punctuation and symbols come before digits, digits before letters.
    {"(24C04)", "[spare]", "_test", "24C01", "a"},
    {"93C46 x8", "93C46_16", "93C46+", "93C46x16"},
    {"24C02 SOIC-8", "24C02A", "24C02SOIC8"},
    // Digit by digit, not by number.
    {"24C02", "24C1024", "24C16", "24C256", "93C46"},
    // Accents count after the letters; ß is ss and æ is ae.
    {"Cafe", "café", "Cafh"},
    {"resume", "résumé", "resumes"},
    {"Maße", "Massf"},
    {"Æther", "Aethes"},
    {"Eagle", "École", "Ohm", "Ölfass", "Zeta"},
};

// Names the default order counts equal: case does not count, nor does ß from ss or æ
// from ae.
const std::vector<std::pair<std::string, std::string>> kEqual = {
    {"24C02", "24c02"}, {"CAFÉ", "café"}, {"AT24C02B", "at24c02b"}, {"Masse", "Maße"}, {"Aether", "Æther"}};

std::string KeyHex(const std::string& strKey)
{
    std::string strHex;
    char sz[3];
    for (unsigned char b : strKey) {
        std::snprintf(sz, sizeof sz, "%02x", b);
        strHex += sz;
    }
    return strHex;
}

}  // namespace

TEST(Collation, DefaultOrderKeepsWindowsWordSortRules)
{
    for (const std::vector<std::string>& names : kAscending) {
        for (std::size_t i = 0; i + 1 < names.size(); ++i) {
            EXPECT_LT(Compare("en_US.UTF-8", names[i], names[i + 1]), 0) << names[i] << " < " << names[i + 1];
            EXPECT_GT(Compare("en_US.UTF-8", names[i + 1], names[i]), 0) << names[i + 1] << " > " << names[i];
        }
    }
    for (const auto& [a, b] : kEqual)
        EXPECT_EQ(Compare("en_US.UTF-8", a, b), 0) << a << " = " << b;
}

// The language of the locale chooses the order; a pair that the default order sorts
// one way and the language the other shows that it took.
TEST(Collation, TheLocaleLanguageChoosesTheOrder)
{
    const struct {
        const char* pszLocale;
        const char* pszA;  // before pszB in the default order, after it in the locale's
        const char* pszB;
    } kCases[] = {
        {"pl_PL.UTF-8", "Ła", "Lb"}, {"sv_SE.UTF-8", "Ä", "Z"},   {"cs_CZ.UTF-8", "ch", "h"},
        {"sk_SK", "ch", "h"},        {"hu_HU.UTF-8", "csa", "cz"}, {"tr_TR.UTF-8", "ça", "cb"},
        {"da_DK.UTF-8", "aa", "b"},  {"et_EE.UTF-8", "t", "z"},    {"zh_TW.UTF-8", "中", "八"},
        {"zh_CN.UTF-8", "中", "八"}, {"lt_LT.UTF-8", "j", "y"},    {"es_ES.UTF-8", "ña", "nb"},
    };
    for (const auto& c : kCases) {
        EXPECT_LT(Compare("en_US.UTF-8", c.pszA, c.pszB), 0) << c.pszLocale << ": " << c.pszA << " " << c.pszB;
        EXPECT_GT(Compare(c.pszLocale, c.pszA, c.pszB), 0) << c.pszLocale << ": " << c.pszA << " " << c.pszB;
    }
    for (const char* pszLocale : {"C", "POSIX", "", "en_GB.UTF-8", "xx_YY", "C.UTF-8", "de_DE@euro"})
        EXPECT_LT(Compare(pszLocale, "Ła", "Lb"), 0) << pszLocale;
}

// Texts of every order, with the keys Windows gave them: each order's own letters, its
// letters made of several characters, marks, kana, hyphens and apostrophes.
TEST(Collation, SortKeysAreThoseWindowsGives)
{
    std::ifstream in(ListOrderData::Folder() + "sort-keys.txt");
    int nTexts = 0;
    for (std::string strLine; std::getline(in, strLine);) {
        if (strLine.empty() || strLine[0] == '#')
            continue;
        const std::size_t nTab = strLine.find('\t'), nTab2 = strLine.rfind('\t');
        const std::string strLocale = strLine.substr(0, nTab), strText = strLine.substr(nTab + 1, nTab2 - nTab - 1);
        EXPECT_EQ(KeyHex(CCollation(strLocale.c_str()).SortKey(Text(strText))), strLine.substr(nTab2 + 1))
            << strLocale << ": " << strText;
        ++nTexts;
    }
    EXPECT_GT(nTexts, 400);
}

// The lists a sorted list box showed under Wine, locale by locale, the double-byte
// ones too: their names are compared as Unicode text.
TEST(Collation, EveryListAsTheListBoxOfItsLocaleShowedIt)
{
    const std::vector<std::string> locales = ListOrderData::Locales();
    EXPECT_GE(locales.size(), 12u);
    for (const std::string& strLocale : locales) {
        const CCollation collation((strLocale + ".UTF-8").c_str());
        const std::vector<std::string> added = ListOrderData::Added(strLocale);
        std::vector<std::string> keys;
        for (const std::string& strName : added)
            keys.push_back(collation.SortKey(Text(strName)));
        std::vector<std::string> shown;
        for (std::size_t i : SortedListOrder(0, keys.size(), [&keys](std::size_t a, std::size_t b) {
                 return keys[a].compare(keys[b]);
             }))
            shown.push_back(added[i]);
        EXPECT_EQ(shown, ListOrderData::Shown(strLocale)) << strLocale;
    }
}

#endif
