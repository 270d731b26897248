#include "CodePage.h"

#include "CodePageTables.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

constexpr char32_t kNone = 0xFFFD;

const CodePageTable& TableOf(CodePage cp)
{
    const int nNumber = static_cast<int>(cp);
    return kCodePageTables[nNumber == 874 ? 0 : nNumber - 1249];
}

struct DoubleBytePage {
    int nNumber;
    const char* pszName;
};

const DoubleBytePage kDoubleBytePages[] = {
    {932, "Japanese"}, {936, "Simplified Chinese"}, {949, "Korean"}, {950, "Traditional Chinese"}};

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

// A code point UTF-8 and UTF-16 can carry, or U+FFFD for one they cannot.
char32_t Scalar(char32_t c)
{
    return c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF) ? kNone : c;
}

void AppendUtf8(char32_t c, std::string& out)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendUtf16(char32_t c, std::u16string& out)
{
    if (c < 0x10000) {
        out += static_cast<char16_t>(c);
    } else {
        out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
        out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    }
}

// Each code point of s, made a scalar value first, appended by append.
template <class String, class Append>
String EncodeUtf32(const std::u32string& s, Append append)
{
    String out;
    out.reserve(s.size());
    for (char32_t c : s)
        append(Scalar(c), out);
    return out;
}

}  // namespace

bool CodePageFromNumber(int nNumber, CodePage& cp)
{
    for (const CodePageTable& table : kCodePageTables) {
        if (table.nNumber == nNumber) {
            cp = static_cast<CodePage>(nNumber);
            return true;
        }
    }
    return false;
}

const char* CodePageName(CodePage cp)
{
    return TableOf(cp).pszName;
}

std::string CodePageRefusal(int nNumber)
{
    CodePage cp;
    if (CodePageFromNumber(nNumber, cp))
        return std::string();
    const std::string strPage = "code page " + std::to_string(nNumber);
    for (const DoubleBytePage& page : kDoubleBytePages) {
        if (page.nNumber == nNumber)
            return strPage + " (" + page.pszName + ") is a double-byte page, which is not supported yet, since " +
                   "names would be sorted and matched byte by byte and their characters split";
    }
    return strPage + " is not supported; the supported pages are 874 and 1250 to 1258";
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
    static const int nPage = [] {
        for (const char* pszVar : {"LC_ALL", "LC_CTYPE", "LANG"}) {
            const char* pszValue = std::getenv(pszVar);
            if (pszValue && *pszValue)
                return AnsiCodePageFromLocale(pszValue);
        }
        return 1252;
    }();
#endif
    return nPage;
}

CodePage SystemAnsiCodePage()
{
    CodePage cp = CodePage::Windows1252;
    CodePageFromNumber(SystemAnsiCodePageNumber(), cp);
    return cp;
}

char32_t AnsiToUnicode(unsigned char ch, CodePage cp)
{
    return ch < 0x80 ? ch : TableOf(cp).aUnicode[ch - 0x80];
}

bool AnsiIsDefined(unsigned char ch, CodePage cp)
{
    const char32_t c = AnsiToUnicode(ch, cp);
    return !(c >= 0x80 && c < 0xA0) && !(c >= 0xE000 && c <= 0xF8FF);
}

char UnicodeToAnsi(char32_t c, CodePage cp)
{
    if (c < 0x80)
        return static_cast<char>(c);
    const char32_t* pTable = TableOf(cp).aUnicode;
    const char32_t* pFound = std::find(pTable, pTable + 128, c);
    return pFound == pTable + 128 ? '?' : static_cast<char>(0x80 + (pFound - pTable));
}

std::u32string AnsiToUtf32(const std::string& s, CodePage cp)
{
    std::u32string out;
    out.reserve(s.size());
    for (char ch : s)
        out += AnsiToUnicode(static_cast<unsigned char>(ch), cp);
    return out;
}

std::string Utf32ToAnsi(const std::u32string& s, CodePage cp)
{
    std::string out;
    out.reserve(s.size());
    for (char32_t c : s)
        out += UnicodeToAnsi(c, cp);
    return out;
}

std::u16string AnsiToUtf16(const std::string& s, CodePage cp)
{
    return Utf32ToUtf16(AnsiToUtf32(s, cp));
}

std::string Utf16ToAnsi(const std::u16string& s, CodePage cp)
{
    return Utf32ToAnsi(Utf16ToUtf32(s.substr(0, s.find(u'\0'))), cp);
}

unsigned char AnsiFoldCase(unsigned char ch, CodePage cp)
{
    if (ch >= 0x80)
        return TableOf(cp).aLower[ch - 0x80];
    return ch >= 'A' && ch <= 'Z' ? static_cast<unsigned char>(ch + 0x20) : ch;
}

int AnsiCompareNoCase(const std::string& a, const std::string& b, CodePage cp)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = AnsiFoldCase(static_cast<unsigned char>(a[i]), cp);
        const int cb = AnsiFoldCase(static_cast<unsigned char>(b[i]), cp);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::string AnsiToUtf8(const std::string& strAnsi, CodePage cp)
{
    std::string out;
    out.reserve(strAnsi.size());
    for (char ch : strAnsi) {
        const unsigned char b = static_cast<unsigned char>(ch);
        AppendUtf8(AnsiIsDefined(b, cp) ? AnsiToUnicode(b, cp) : kNone, out);
    }
    return out;
}

bool AnsiRoundTrips(const std::string& strAnsi, CodePage cp)
{
    return std::all_of(strAnsi.begin(), strAnsi.end(),
                       [cp](char ch) { return AnsiIsDefined(static_cast<unsigned char>(ch), cp); });
}

bool Utf8ToAnsi(const std::string& strUtf8, CodePage cp, std::string& strAnsi, std::string& strWhy)
{
    std::u32string text;
    if (!Utf8ToUtf32(strUtf8, text)) {
        strWhy = "is not valid UTF-8";
        return false;
    }
    strAnsi.clear();
    for (char32_t c : text) {
        const char ch = UnicodeToAnsi(c, cp);
        if (ch == '?' && c != U'?') {
            char sz[80];
            std::snprintf(sz, sizeof sz, "has U+%04X, which code page %d lacks", static_cast<unsigned>(c),
                          static_cast<int>(cp));
            strWhy = sz;
            return false;
        }
        strAnsi += ch;
    }
    return true;
}

bool NextUtf8CodePoint(const std::string& s, std::size_t& i, char32_t& c)
{
    const unsigned char lead = static_cast<unsigned char>(s[i++]);
    const int nMore = lead < 0x80 ? 0 : lead < 0xC2 ? -1 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : lead < 0xF5 ? 3 : -1;
    if (nMore < 0)
        return false;
    static const char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    c = nMore == 0 ? lead : lead & (0x3F >> nMore);
    for (int k = 0; k < nMore; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            return false;
        c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    return c >= kMin[nMore] && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

bool Utf8ToUtf32(const std::string& strUtf8, std::u32string& out)
{
    bool bValid = true;
    out.clear();
    for (std::size_t i = 0; i < strUtf8.size();) {
        char32_t c = 0;
        if (!NextUtf8CodePoint(strUtf8, i, c)) {
            c = kNone;
            bValid = false;
        }
        out += c;
    }
    return bValid;
}

std::string Utf32ToUtf8(const std::u32string& s)
{
    return EncodeUtf32<std::string>(s, AppendUtf8);
}

std::u32string Utf16ToUtf32(const std::u16string& s)
{
    std::u32string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        char32_t c = s[i];
        const bool bHigh = c >= 0xD800 && c <= 0xDBFF;
        if (bHigh && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (s[++i] - 0xDC00);
        else if (c >= 0xD800 && c <= 0xDFFF)
            c = kNone;
        out += c;
    }
    return out;
}

std::u16string Utf32ToUtf16(const std::u32string& s)
{
    return EncodeUtf32<std::u16string>(s, AppendUtf16);
}
