// Answers questions about Windows' sort order on standard input, one a line, for
// tools/collation/make_collation_tables.py:
//   L NAME          the locale of the questions that follow, such as pl-PL
//   K XXXX...       the sort key (LCMAP_SORTKEY, NORM_IGNORECASE) of the UTF-16 text
//                   given as hex code units, four digits each; answered in hex
//   P PAGE          the characters of an ANSI code page: the code points, in hex, of
//                   every BMP character the page converts to and back unchanged
//   A NAME          the ANSI code page of a locale, or 0 for a locale Windows lacks
//   C XXXX YYYY     CompareStringEx with NORM_IGNORECASE of two UTF-16 texts, given as
//                   above: -1, 0 or 1
//   E               the end of a batch: answered with a line "." once every answer
//                   before it is written out
// Build: x86_64-w64-mingw32-g++ -O2 -static -o SortKeyQuery.exe SortKeyQuery.cpp
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::wstring g_strLocale = L"en-US";

std::string Hex(const unsigned char* p, int n)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string s;
    for (int i = 0; i < n; ++i) {
        s += kDigits[p[i] >> 4];
        s += kDigits[p[i] & 15];
    }
    return s;
}

std::wstring FromHex(const char* pszHex, std::size_t nLength)
{
    std::wstring text;
    for (std::size_t i = 0; i + 4 <= nLength; i += 4)
        text += static_cast<wchar_t>(std::strtoul(std::string(pszHex + i, 4).c_str(), nullptr, 16));
    return text;
}

std::string SortKey(const char* pszHex)
{
    const std::wstring text = FromHex(pszHex, std::strlen(pszHex));
    unsigned char key[4096];
    const int n = LCMapStringEx(g_strLocale.c_str(), LCMAP_SORTKEY | NORM_IGNORECASE, text.data(),
                                static_cast<int>(text.size()), reinterpret_cast<LPWSTR>(key), sizeof key, nullptr,
                                nullptr, 0);
    return n > 0 ? Hex(key, n) : "error " + std::to_string(GetLastError());
}

std::string Compare(const char* pszHexPair)
{
    const std::size_t nSpace = std::strcspn(pszHexPair, " ");
    const std::wstring a = FromHex(pszHexPair, nSpace);
    const char* pszB = pszHexPair + nSpace + (pszHexPair[nSpace] ? 1 : 0);
    const std::wstring b = FromHex(pszB, std::strlen(pszB));
    const int n = CompareStringEx(g_strLocale.c_str(), NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                                  b.data(), static_cast<int>(b.size()), nullptr, nullptr, 0);
    return n ? std::to_string(n - CSTR_EQUAL) : "error " + std::to_string(GetLastError());
}

bool RoundTrips(UINT nPage, wchar_t c)
{
    char bytes[8];
    BOOL bLost = FALSE;
    const int n = WideCharToMultiByte(nPage, WC_NO_BEST_FIT_CHARS, &c, 1, bytes, sizeof bytes, nullptr, &bLost);
    wchar_t back[4];
    return n > 0 && !bLost && MultiByteToWideChar(nPage, MB_ERR_INVALID_CHARS, bytes, n, back, 4) == 1 && back[0] == c;
}

std::string PageCharacters(UINT nPage)
{
    std::string s;
    char sz[8];
    for (unsigned c = 1; c < 0x10000; ++c) {
        if ((c < 0xD800 || c > 0xDFFF) && RoundTrips(nPage, static_cast<wchar_t>(c))) {
            std::snprintf(sz, sizeof sz, "%s%x", s.empty() ? "" : " ", c);
            s += sz;
        }
    }
    return s;
}

}  // namespace

int main()
{
    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
    static char szLine[65536];
    while (std::fgets(szLine, sizeof szLine, stdin)) {
        szLine[std::strcspn(szLine, "\r\n")] = '\0';
        const char* pszArg = szLine[0] && szLine[1] == ' ' ? szLine + 2 : "";
        switch (szLine[0]) {
        case 'L': {
            wchar_t szName[LOCALE_NAME_MAX_LENGTH];
            MultiByteToWideChar(CP_UTF8, 0, pszArg, -1, szName, LOCALE_NAME_MAX_LENGTH);
            g_strLocale = szName;
            continue;
        }
        case 'K':
            std::fputs((SortKey(pszArg) + "\n").c_str(), stdout);
            break;
        case 'A': {
            wchar_t szName[LOCALE_NAME_MAX_LENGTH];
            MultiByteToWideChar(CP_UTF8, 0, pszArg, -1, szName, LOCALE_NAME_MAX_LENGTH);
            DWORD nPage = 0;
            if (!IsValidLocaleName(szName) ||
                !GetLocaleInfoEx(szName, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                                 reinterpret_cast<LPWSTR>(&nPage), sizeof nPage / sizeof(wchar_t)))
                nPage = 0;
            std::fputs((std::to_string(nPage) + "\n").c_str(), stdout);
            break;
        }
        case 'C':
            std::fputs((Compare(pszArg) + "\n").c_str(), stdout);
            break;
        case 'P':
            std::fputs((PageCharacters(static_cast<UINT>(std::atoi(pszArg))) + "\n").c_str(), stdout);
            break;
        case 'E':
            std::fputs(".\n", stdout);
            std::fflush(stdout);
            break;
        default:
            std::fputs("error: unknown question\n", stdout);
        }
    }
    return 0;
}
