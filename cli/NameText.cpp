#include "NameText.h"

#include <array>
#include <cstdio>
#include <unordered_map>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

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

// The UTF-8 of every byte of a page, and the way back, built once per page.
struct PageTables {
    std::array<std::string, 256> toUtf8;
    std::array<bool, 256> bDefined{};
    std::unordered_map<char32_t, char> fromUnicode;

    explicit PageTables(CodePage cp)
    {
        for (int b = 0; b < 256; ++b) {
            char32_t c = AnsiToUnicode(static_cast<unsigned char>(b), cp);
            AppendUtf8(c, toUtf8[b]);
            bDefined[b] = c != kReplacement;
            if (bDefined[b])
                fromUnicode.emplace(c, static_cast<char>(b));
        }
    }
};

const PageTables& Tables(CodePage cp)
{
    static const PageTables k1252(CodePage::Windows1252);
    static const PageTables k1251(CodePage::Windows1251);
    return cp == CodePage::Windows1251 ? k1251 : k1252;
}

// Reads one UTF-8 sequence at i; false on malformed, overlong or surrogate input.
bool NextCodePoint(const std::string& s, std::size_t& i, char32_t& c)
{
    unsigned char lead = static_cast<unsigned char>(s[i++]);
    int nMore = lead < 0x80 ? 0 : lead < 0xC2 ? -1 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : lead < 0xF5 ? 3 : -1;
    if (nMore < 0 || i + static_cast<std::size_t>(nMore) > s.size())
        return false;
    static const char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    c = nMore == 0 ? lead : lead & (0x3F >> nMore);
    for (int k = 0; k < nMore; ++k) {
        unsigned char cont = static_cast<unsigned char>(s[i++]);
        if ((cont & 0xC0) != 0x80)
            return false;
        c = (c << 6) | (cont & 0x3F);
    }
    return c >= kMin[nMore] && c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF);
}

}  // namespace

std::string AnsiToUtf8(const std::string& strAnsi, CodePage cp)
{
    const PageTables& t = Tables(cp);
    std::string out;
    out.reserve(strAnsi.size());
    for (char ch : strAnsi)
        out += t.toUtf8[static_cast<unsigned char>(ch)];
    return out;
}

bool AnsiRoundTrips(const std::string& strAnsi, CodePage cp)
{
    const PageTables& t = Tables(cp);
    for (char ch : strAnsi) {
        if (!t.bDefined[static_cast<unsigned char>(ch)])
            return false;
    }
    return true;
}

void AppendDisplayText(std::string& out, const std::string& strAnsi, CodePage cp)
{
    const PageTables& t = Tables(cp);
    for (char ch : strAnsi) {
        const unsigned char b = static_cast<unsigned char>(ch);
        if (b >= 0x20 && b < 0x7F) {
            out += ch;
            continue;
        }
        const char32_t c = AnsiToUnicode(b, cp);
        if (t.bDefined[b] && c >= 0x20 && c != 0x7F) {
            out += t.toUtf8[b];
            continue;
        }
        static const char kDigits[] = "0123456789ABCDEF";
        out += "\\x";
        out += kDigits[b >> 4];
        out += kDigits[b & 0xF];
    }
}

std::string DisplayText(const std::string& strAnsi, CodePage cp)
{
    std::string out;
    out.reserve(strAnsi.size());
    AppendDisplayText(out, strAnsi, cp);
    return out;
}

std::string QuotedText(const std::string& strAnsi, CodePage cp)
{
    return "\"" + DisplayText(strAnsi, cp) + "\"";
}

std::string MessageText(const std::string& strUtf8)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(strUtf8.size());
    for (std::size_t i = 0; i < strUtf8.size();) {
        const std::size_t nStart = i;
        char32_t c = 0;
        const bool bValid = NextCodePoint(strUtf8, i, c);
        if (bValid && c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0)) {
            out.append(strUtf8, nStart, i - nStart);
            continue;
        }
        // Of a bad sequence only the first byte is escaped, so the next starts afresh.
        if (!bValid)
            i = nStart + 1;
        for (std::size_t k = nStart; k < i; ++k) {
            const unsigned char b = static_cast<unsigned char>(strUtf8[k]);
            out += "\\x";
            out += kDigits[b >> 4];
            out += kDigits[b & 0xF];
        }
    }
    return out;
}

bool Utf8ToAnsi(const std::string& strUtf8, CodePage cp, std::string& strAnsi, std::string& strWhy)
{
    const PageTables& t = Tables(cp);
    strAnsi.clear();
    for (std::size_t i = 0; i < strUtf8.size();) {
        char32_t c = 0;
        if (!NextCodePoint(strUtf8, i, c)) {
            strWhy = "is not valid UTF-8";
            return false;
        }
        auto it = t.fromUnicode.find(c);
        if (it == t.fromUnicode.end()) {
            char sz[64];
            std::snprintf(sz, sizeof sz, "has U+%04X, which code page %d lacks", static_cast<unsigned>(c),
                          static_cast<int>(cp));
            strWhy = sz;
            return false;
        }
        strAnsi += it->second;
    }
    return true;
}

std::string HexEncode(const std::string& bytes, bool bSpaced)
{
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (char ch : bytes) {
        unsigned char b = static_cast<unsigned char>(ch);
        if (bSpaced && !out.empty())
            out += ' ';
        out += kDigits[b >> 4];
        out += kDigits[b & 0xF];
    }
    return out;
}

bool HexDecode(const std::string& strHex, std::string& bytes)
{
    bytes.clear();
    int nHigh = -1;
    for (char ch : strHex) {
        if (ch == ' ')
            continue;
        int v = ch >= '0' && ch <= '9' ? ch - '0'
              : ch >= 'a' && ch <= 'f' ? ch - 'a' + 10
              : ch >= 'A' && ch <= 'F' ? ch - 'A' + 10 : -1;
        if (v < 0)
            return false;
        if (nHigh < 0) {
            nHigh = v;
        } else {
            bytes += static_cast<char>(nHigh * 16 + v);
            nHigh = -1;
        }
    }
    return nHigh < 0;
}

bool CodePageFromNumber(int nNumber, CodePage& cp)
{
    if (nNumber != 1252 && nNumber != 1251)
        return false;
    cp = static_cast<CodePage>(nNumber);
    return true;
}
