#include "CodePage.h"
#include "CodePageData.h"

#include <cstdio>

namespace {

constexpr char32_t kNone = 0xFFFD;

// Compares two strings character by character on what key gives each, shorter first.
template <class Key>
int CompareChars(const std::string& a, const std::string& b, CodePage cp, Key key)
{
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const AnsiChar ca = AnsiCharAt(a, i, cp), cb = AnsiCharAt(b, j, cp);
        const std::uint32_t na = key(ca), nb = key(cb);
        if (na != nb)
            return na < nb ? -1 : 1;
        i += ca.nLength;
        j += cb.nLength;
    }
    return static_cast<int>(i < a.size()) - static_cast<int>(j < b.size());
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
    return CompareChars(a, b, cp, [cp](const AnsiChar& ch) { return AnsiFoldedCode(ch, cp); });
}

int AnsiCompare(const std::string& a, const std::string& b, CodePage cp)
{
    return CompareChars(a, b, cp, [](const AnsiChar& ch) { return ch.nCode; });
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
