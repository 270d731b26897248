#include "CodePage.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

constexpr char32_t kNone = 0xFFFD;

// Windows-1252 from 0x80 to 0x9F; 0xA0 to 0xFF are the Latin-1 characters of that value.
const char32_t k1252High[32] = {
    0x20AC, kNone,  0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, kNone,  0x017D, kNone,
    kNone,  0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, kNone,  0x017E, 0x0178,
};

// Windows-1251 from 0x80 to 0xBF; 0xC0 to 0xFF are U+0410 to U+044F in order.
const char32_t k1251High[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    kNone,  0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

// Lower case of the letters that occur in the two pages.
char32_t ToLower(char32_t c)
{
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 0x20;
    if (c >= 0x0410 && c <= 0x042F)
        return c + 0x20;
    if (c >= 0x0400 && c <= 0x040F)
        return c + 0x50;
    if (c == 0x0160 || c == 0x0152 || c == 0x017D || c == 0x0490)
        return c + 1;
    if (c == 0x0178)
        return 0xFF;
    return c;
}

using FoldTable = std::array<unsigned char, 256>;

FoldTable BuildFoldTable(CodePage cp)
{
    FoldTable table;
    for (int b = 0; b < 256; ++b) {
        char32_t upper = AnsiToUnicode(static_cast<unsigned char>(b), cp);
        char32_t lower = ToLower(upper);
        table[b] = static_cast<unsigned char>(lower == upper ? b : UnicodeToAnsi(lower, cp));
    }
    return table;
}

bool StartsWithLanguage(const char* psz, const char* pszLang)
{
    std::size_t n = std::strlen(pszLang);
    if (std::strncmp(psz, pszLang, n) != 0)
        return false;
    char next = psz[n];
    return next == '\0' || next == '_' || next == '.' || next == '@';
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

}  // namespace

CodePage AnsiCodePageFromLocale(const char* pszLocale)
{
    static const char* const kCyrillic[] = {"ru", "uk", "be", "bg", "sr"};
    if (!pszLocale)
        return CodePage::Windows1252;
    for (const char* pszLang : kCyrillic) {
        if (StartsWithLanguage(pszLocale, pszLang))
            return CodePage::Windows1251;
    }
    return CodePage::Windows1252;
}

CodePage SystemAnsiCodePage()
{
#ifdef _WIN32
    // Windows says which page its 8-bit texts are in; the locale variables are not set there.
    static const CodePage cp = ::GetACP() == 1251 ? CodePage::Windows1251 : CodePage::Windows1252;
#else
    static const CodePage cp = [] {
        for (const char* pszVar : {"LC_ALL", "LC_CTYPE", "LANG"}) {
            const char* pszValue = std::getenv(pszVar);
            if (pszValue && *pszValue)
                return AnsiCodePageFromLocale(pszValue);
        }
        return CodePage::Windows1252;
    }();
#endif
    return cp;
}

char32_t AnsiToUnicode(unsigned char ch, CodePage cp)
{
    if (ch < 0x80)
        return ch;
    if (cp == CodePage::Windows1251)
        return ch >= 0xC0 ? char32_t(0x0410 + (ch - 0xC0)) : k1251High[ch - 0x80];
    return ch >= 0xA0 ? char32_t(ch) : k1252High[ch - 0x80];
}

char UnicodeToAnsi(char32_t cp32, CodePage cp)
{
    if (cp32 < 0x80)
        return static_cast<char>(cp32);
    if (cp32 != kNone) {
        for (int b = 0x80; b < 0x100; ++b) {
            if (AnsiToUnicode(static_cast<unsigned char>(b), cp) == cp32)
                return static_cast<char>(b);
        }
    }
    return '?';
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

std::string Utf16ToAnsi(const std::u16string& s, CodePage cp)
{
    std::string out;
    for (std::size_t i = 0; i < s.size() && s[i] != 0; ++i) {
        char32_t c = s[i];
        bool bHigh = c >= 0xD800 && c <= 0xDBFF;
        bool bPaired = bHigh && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF;
        if (bPaired)
            c = 0x10000 + ((c - 0xD800) << 10) + (s[++i] - 0xDC00);
        else if (c >= 0xD800 && c <= 0xDFFF)
            c = kNone;
        out += UnicodeToAnsi(c, cp);
    }
    return out;
}

unsigned char AnsiFoldCase(unsigned char ch, CodePage cp)
{
    static const FoldTable k1252 = BuildFoldTable(CodePage::Windows1252);
    static const FoldTable k1251 = BuildFoldTable(CodePage::Windows1251);
    return (cp == CodePage::Windows1251 ? k1251 : k1252)[ch];
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
    for (char ch : strAnsi)
        AppendUtf8(AnsiToUnicode(static_cast<unsigned char>(ch), cp), out);
    return out;
}

bool AnsiRoundTrips(const std::string& strAnsi, CodePage cp)
{
    return std::all_of(strAnsi.begin(), strAnsi.end(),
                       [cp](char ch) { return AnsiToUnicode(static_cast<unsigned char>(ch), cp) != kNone; });
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
            char sz[64];
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
