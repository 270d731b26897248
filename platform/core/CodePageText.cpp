#include "CodePage.h"
#include "CodePageData.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr char32_t kNone = 0xFFFD;

// Compares two strings character by character on what key gives each, shorter first.
// ASCII, a character of its own in every page, takes the short way: byteKey.
template <class ByteKey, class Key>
int CompareChars(const std::string& a, const std::string& b, CodePage cp, ByteKey byteKey, Key key)
{
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const unsigned char ba = static_cast<unsigned char>(a[i]), bb = static_cast<unsigned char>(b[j]);
        std::uint32_t na = 0, nb = 0;
        if (ba < 0x80 && bb < 0x80) {
            na = byteKey(ba);
            nb = byteKey(bb);
            ++i;
            ++j;
        } else {
            const AnsiChar ca = AnsiCharAt(a, i, cp), cb = AnsiCharAt(b, j, cp);
            na = key(ca);
            nb = key(cb);
            i += ca.nLength;
            j += cb.nLength;
        }
        if (na != nb)
            return na < nb ? -1 : 1;
    }
    return static_cast<int>(i < a.size()) - static_cast<int>(j < b.size());
}

std::uint32_t AsciiFold(unsigned char ch)
{
    return ch >= 'A' && ch <= 'Z' ? ch + 0x20u : ch;
}

bool IsShown(AnsiCharKind kind)
{
    return kind == AnsiCharKind::Defined || kind == AnsiCharKind::Variant;
}

}  // namespace

std::u32string AnsiToUtf32(const std::string& s, CodePage cp)
{
    std::u32string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const AnsiChar ch = AnsiCharAt(s, i, cp);
        out += ch.c;
        i += ch.nLength;
    }
    return out;
}

std::string Utf32ToAnsi(const std::u32string& s, CodePage cp)
{
    std::string out;
    out.reserve(s.size());
    for (char32_t c : s) {
        if (!AppendAnsiChar(c, cp, out))
            out += '?';
    }
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

int AnsiCompareNoCase(const std::string& a, const std::string& b, CodePage cp)
{
    // In a single-byte page every byte is a character, folded by the page's table: the
    // sorted list of a large catalogue compares names many thousand times.
    if (const CodePageTable* pTable = SingleByteTableOf(cp)) {
        const std::size_t n = std::min(a.size(), b.size());
        for (std::size_t i = 0; i < n; ++i) {
            const unsigned char ba = static_cast<unsigned char>(a[i]), bb = static_cast<unsigned char>(b[i]);
            const std::uint32_t na = ba < 0x80 ? AsciiFold(ba) : pTable->aLower[ba - 0x80];
            const std::uint32_t nb = bb < 0x80 ? AsciiFold(bb) : pTable->aLower[bb - 0x80];
            if (na != nb)
                return na < nb ? -1 : 1;
        }
        return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    }
    return CompareChars(a, b, cp, AsciiFold, [cp](const AnsiChar& ch) { return AnsiFoldedCode(ch, cp); });
}

int AnsiCompare(const std::string& a, const std::string& b, CodePage cp)
{
    return CompareChars(a, b, cp, [](unsigned char ch) { return std::uint32_t{ch}; },
                        [](const AnsiChar& ch) { return ch.nCode; });
}

std::string AnsiToUtf8(const std::string& strAnsi, CodePage cp)
{
    std::string out;
    out.reserve(strAnsi.size());
    for (std::size_t i = 0; i < strAnsi.size();) {
        const AnsiChar ch = AnsiCharAt(strAnsi, i, cp);
        AppendUtf8(IsShown(ch.kind) ? ch.c : kNone, out);
        i += ch.nLength;
    }
    return out;
}

bool AnsiRoundTrips(const std::string& strAnsi, CodePage cp)
{
    for (std::size_t i = 0; i < strAnsi.size();) {
        const AnsiChar ch = AnsiCharAt(strAnsi, i, cp);
        if (ch.kind != AnsiCharKind::Defined)
            return false;
        i += ch.nLength;
    }
    return true;
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
        if (!AppendAnsiChar(c, cp, strAnsi)) {
            char sz[80];
            std::snprintf(sz, sizeof sz, "has U+%04X, which code page %d lacks", static_cast<unsigned>(c),
                          static_cast<int>(cp));
            strWhy = sz;
            return false;
        }
    }
    return true;
}
