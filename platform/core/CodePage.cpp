#include "CodePage.h"
#include "CodePageData.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

constexpr int kUtf8 = static_cast<int>(CodePage::Utf8);

// Languages by the ANSI page Windows gives their locales. A language not listed is 1252.
struct LanguagePages {
    int nPage;
    const char* pszLanguages;  // space separated, each with a space after it
};

const LanguagePages kLanguagePages[] = {
    {1250, "pl cs sk hu hr sl ro bs sq tk hsb dsb "},
    {1251, "ru uk be bg sr mk kk ky tt ba sah mn tg "},
    {1253, "el "},
    {1254, "tr az uz "},
    {1255, "he iw yi "},
    {1256, "ar fa ur ps ug ckb "},
    {1257, "et lv lt "},
    {1258, "vi "},
    {874, "th "},
    {932, "ja "},
    {949, "ko "},
};

// A locale name's parts: language_TERRITORY.codeset@modifier.
struct LocaleParts {
    std::string strLanguage;
    std::string strTerritory;
    std::string strModifier;
};

LocaleParts SplitLocale(const std::string& strLocale)
{
    LocaleParts parts;
    const std::size_t nAt = strLocale.find('@');
    if (nAt != std::string::npos)
        parts.strModifier = strLocale.substr(nAt + 1);
    const std::string strBase = strLocale.substr(0, std::min(nAt, strLocale.find('.')));
    const std::size_t nUnder = strBase.find('_');
    parts.strLanguage = strBase.substr(0, nUnder);
    if (nUnder != std::string::npos)
        parts.strTerritory = strBase.substr(nUnder + 1);
    return parts;
}

// Serbian and Bosnian are written in either script; Uzbek and Azeri likewise.
int ScriptPage(const LocaleParts& parts, int nPage)
{
    if (parts.strModifier == "latin" && nPage == 1251)
        return 1250;
    if (parts.strModifier == "cyrillic" && (nPage == 1250 || nPage == 1254))
        return 1251;
    return nPage;
}

int ChinesePage(const std::string& strTerritory)
{
    return strTerritory == "TW" || strTerritory == "HK" || strTerritory == "MO" ? 950 : 936;
}

}  // namespace

// The tables are in the order of their numbers: 874, then 1250 to 1258; 932 to 950.
const CodePageTable* SingleByteTableOf(CodePage cp)
{
    const int nNumber = static_cast<int>(cp);
    const int nIndex = nNumber == 874 ? 0 : nNumber >= 1250 && nNumber <= 1258 ? nNumber - 1249 : -1;
    return nIndex < 0 ? nullptr : &kCodePageTables[nIndex];
}

const DoubleBytePageTable* DoubleByteTableOf(CodePage cp)
{
    switch (cp) {
    case CodePage::Windows932:
        return &kDoubleBytePageTables[0];
    case CodePage::Windows936:
        return &kDoubleBytePageTables[1];
    case CodePage::Windows949:
        return &kDoubleBytePageTables[2];
    case CodePage::Windows950:
        return &kDoubleBytePageTables[3];
    default:
        return nullptr;
    }
}

bool CodePageFromNumber(int nNumber, CodePage& cp)
{
    const auto candidate = static_cast<CodePage>(nNumber);
    if (nNumber != kUtf8 && !SingleByteTableOf(candidate) && !DoubleByteTableOf(candidate))
        return false;
    cp = candidate;
    return true;
}

std::string CodePageRefusal(int nNumber)
{
    CodePage cp;
    if (CodePageFromNumber(nNumber, cp))
        return std::string();
    return "code page " + std::to_string(nNumber) +
           " is not supported; the supported pages are 874, 1250 to 1258, 932, 936, 949, 950 and 65001";
}

int AnsiCodePageFromLocale(const char* pszLocale)
{
    if (!pszLocale)
        return 1252;
    const LocaleParts parts = SplitLocale(pszLocale);
    if (parts.strLanguage.empty())
        return 1252;
    if (parts.strLanguage == "zh")
        return ChinesePage(parts.strTerritory);
    const std::string strKey = parts.strLanguage + " ";
    for (const LanguagePages& entry : kLanguagePages) {
        const char* pszFound = std::strstr(entry.pszLanguages, strKey.c_str());
        if (pszFound && (pszFound == entry.pszLanguages || pszFound[-1] == ' '))
            return ScriptPage(parts, entry.nPage);
    }
    return 1252;
}

int SystemAnsiCodePageNumber()
{
#ifdef _WIN32
    // Windows says which page its 8-bit texts are in; the locale variables are not set there.
    static const int nPage = static_cast<int>(::GetACP());
#else
    static const int nPage = AnsiCodePageFromLocale(SystemLocaleName());
#endif
    return nPage;
}

#ifndef _WIN32
const char* SystemLocaleName()
{
    for (const char* pszVar : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* pszValue = std::getenv(pszVar);
        if (pszValue && *pszValue)
            return pszValue;
    }
    return "";
}
#endif

CodePage SystemAnsiCodePage()
{
    CodePage cp = CodePage::Windows1252;
    CodePageFromNumber(SystemAnsiCodePageNumber(), cp);
    return cp;
}

