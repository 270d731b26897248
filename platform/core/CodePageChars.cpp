#include "CodePage.h"
#include "CodePageData.h"

#include <algorithm>

namespace {

AnsiCharKind KindOf(char32_t c)
{
    return IsStandInChar(c) ? AnsiCharKind::StandIn : AnsiCharKind::Defined;
}

AnsiChar DoubleByteCharAt(const DoubleBytePageTable& page, const std::string& s, std::size_t i)
{
    const unsigned char b = static_cast<unsigned char>(s[i]);
    if (!IsLeadByte(page, b)) {
        const char32_t c = page.aSingle[b - 0x80];
        return {1, c, KindOf(c), b};
    }
    // A lead byte at the end, or before a NUL, is read alone, as the default character.
    const unsigned char trail = i + 1 < s.size() ? static_cast<unsigned char>(s[i + 1]) : 0;
    if (trail == 0)
        return {1, page.cDefault, AnsiCharKind::Invalid, b};
    const auto nCode = static_cast<std::uint16_t>(b << 8 | trail);
    const char32_t c = DoubleByteCharOf(page, nCode);
    if (c == 0)
        return {2, page.cDefault, AnsiCharKind::Invalid, nCode};
    const AnsiCharKind kind = IsDoubleByteVariant(page, nCode) ? AnsiCharKind::Variant : KindOf(c);
    return {2, c, kind, nCode};
}

// Malformed UTF-8 sorts after every code point, by its bytes (at most three).
AnsiChar Utf8CharAt(const std::string& s, std::size_t i)
{
    std::size_t nEnd = i;
    char32_t c = 0;
    if (NextUtf8CodePoint(s, nEnd, c))
        return {nEnd - i, c, AnsiCharKind::Defined, c};
    std::uint32_t nCode = 0;
    for (std::size_t k = 0; k < 3; ++k)
        nCode = nCode << 8 | (i + k < nEnd ? static_cast<unsigned char>(s[i + k]) : 0);
    return {nEnd - i, 0xFFFD, AnsiCharKind::Invalid, 0x1000000 | nCode};
}

std::uint32_t AsciiFold(std::uint32_t n)
{
    return n >= 'A' && n <= 'Z' ? n + 0x20 : n;
}

}  // namespace

AnsiChar AnsiCharAt(const std::string& s, std::size_t i, CodePage cp)
{
    const unsigned char b = static_cast<unsigned char>(s[i]);
    if (b < 0x80)
        return {1, b, AnsiCharKind::Defined, b};
    if (const CodePageTable* pTable = SingleByteTableOf(cp)) {
        const char32_t c = pTable->aUnicode[b - 0x80];
        return {1, c, KindOf(c), b};
    }
    if (const DoubleBytePageTable* pPage = DoubleByteTableOf(cp))
        return DoubleByteCharAt(*pPage, s, i);
    return Utf8CharAt(s, i);
}

bool AppendAnsiChar(char32_t c, CodePage cp, std::string& out)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
        return true;
    }
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return false;
    if (const CodePageTable* pTable = SingleByteTableOf(cp)) {
        const char32_t* pEnd = pTable->aUnicode + 128;
        const char32_t* pFound = std::find(pTable->aUnicode, pEnd, c);
        if (pFound == pEnd)
            return false;
        out += static_cast<char>(0x80 + (pFound - pTable->aUnicode));
        return true;
    }
    if (const DoubleBytePageTable* pPage = DoubleByteTableOf(cp)) {
        const std::uint16_t nCode = DoubleByteCodeOf(*pPage, c);
        if (nCode >= 0x100)
            out += static_cast<char>(nCode >> 8);
        if (nCode != 0)
            out += static_cast<char>(nCode & 0xFF);
        return nCode != 0;
    }
    AppendUtf8(c, out);
    return true;
}

bool AnsiHasChar(char32_t c, CodePage cp)
{
    std::string strBytes;
    return AppendAnsiChar(c, cp, strBytes);
}

std::uint32_t AnsiFoldedCode(const AnsiChar& ch, CodePage cp)
{
    if (ch.nCode < 0x80 || ch.kind == AnsiCharKind::Invalid)
        return AsciiFold(ch.nCode);
    if (const CodePageTable* pTable = SingleByteTableOf(cp))
        return pTable->aLower[ch.nCode - 0x80];
    const char32_t lower = SimpleLowerCase(ch.c);
    const DoubleBytePageTable* pPage = DoubleByteTableOf(cp);
    if (!pPage)
        return lower;
    // A variant compares as the code the page writes for its character.
    if (lower == ch.c && ch.kind != AnsiCharKind::Variant)
        return ch.nCode;
    const std::uint16_t nCode = DoubleByteCodeOf(*pPage, lower);
    return nCode != 0 ? nCode : ch.nCode;
}
