#include "CodePage.h"
#include "CodePageData.h"

#include <algorithm>

namespace {

constexpr char32_t kNone = 0xFFFD;

// A code point UTF-8 and UTF-16 can carry, or U+FFFD for one they cannot.
char32_t Scalar(char32_t c)
{
    return c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF) ? kNone : c;
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

char32_t SimpleLowerCase(char32_t c)
{
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? c + 0x20 : c;
    const LowerCaseRange* pEnd = kLowerCaseRanges + kLowerCaseRangeCount;
    const LowerCaseRange* pRange = std::upper_bound(
        kLowerCaseRanges, pEnd, c, [](char32_t n, const LowerCaseRange& range) { return n < range.cFirst; });
    if (pRange == kLowerCaseRanges)
        return c;
    --pRange;
    const char32_t nOffset = c - pRange->cFirst;
    if (nOffset % pRange->nStep != 0 || nOffset / pRange->nStep >= pRange->nCount)
        return c;
    return static_cast<char32_t>(static_cast<std::int32_t>(c) + pRange->nDistance);
}

bool NextUtf8CodePoint(const std::string& s, std::size_t& i, char32_t& c)
{
    const unsigned char lead = static_cast<unsigned char>(s[i++]);
    const int nMore = lead < 0x80 ? 0 : lead < 0xC2 ? -1 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : lead < 0xF5 ? 3 : -1;
    if (nMore < 0)
        return false;
    // The second byte decides whether the sequence is the shortest form, no surrogate
    // and at most U+10FFFF; Windows counts a second byte that fails this into the fault.
    const unsigned char nLow = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char nHigh = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    c = nMore == 0 ? lead : lead & (0x3F >> nMore);
    for (int k = 0; k < nMore; ++k) {
        const unsigned char b = i < s.size() ? static_cast<unsigned char>(s[i]) : 0;
        if ((b & 0xC0) != 0x80)
            return false;
        ++i;
        if (k == 0 && (b < nLow || b > nHigh))
            return false;
        c = (c << 6) | (b & 0x3F);
    }
    return true;
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

bool IsControlChar(char32_t c)
{
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0);
}

void AppendEscapedByte(std::string& out, unsigned char b)
{
    static const char kDigits[] = "0123456789ABCDEF";
    out += "\\x";
    out += kDigits[b >> 4];
    out += kDigits[b & 0xF];
}

std::string MessageText(const std::string& strUtf8)
{
    std::string out;
    out.reserve(strUtf8.size());
    for (std::size_t i = 0; i < strUtf8.size();) {
        const std::size_t nStart = i;
        char32_t c = 0;
        const bool bValid = NextUtf8CodePoint(strUtf8, i, c);
        if (bValid && !IsControlChar(c)) {
            out.append(strUtf8, nStart, i - nStart);
            continue;
        }
        // Of a bad sequence only the first byte is escaped, so the next starts afresh.
        if (!bValid)
            i = nStart + 1;
        for (std::size_t k = nStart; k < i; ++k)
            AppendEscapedByte(out, static_cast<unsigned char>(strUtf8[k]));
    }
    return out;
}
