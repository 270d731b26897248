#pragma once

#include "CodePageTables.h"
#include "DoubleByteTables.h"

#include <cstdint>
#include <string>

// How the code-page module keeps its pages, shared by its own sources.

enum class CodePage;

// The page's table, or null for a page of another kind.
const CodePageTable* SingleByteTableOf(CodePage cp);
const DoubleBytePageTable* DoubleByteTableOf(CodePage cp);

bool IsLeadByte(const DoubleBytePageTable& page, unsigned char b);
// The character of a pair (lead << 8 | trail), or 0 where the page leaves it undefined.
char16_t DoubleByteCharOf(const DoubleBytePageTable& page, std::uint16_t nCode);
bool IsDoubleByteVariant(const DoubleBytePageTable& page, std::uint16_t nCode);
// The code Windows writes for c: a pair, a byte from 0x80 below 0x100, or 0 when the
// page lacks c.
std::uint16_t DoubleByteCodeOf(const DoubleBytePageTable& page, char32_t c);

// What Windows reads an undefined byte as: the C1 control of its value or a private-use
// character.
inline bool IsStandInChar(char32_t c)
{
    return (c >= 0x80 && c < 0xA0) || (c >= 0xE000 && c <= 0xF8FF);
}

// Unicode's simple lower case of c, where that is one character; else c.
char32_t SimpleLowerCase(char32_t c);
void AppendUtf8(char32_t c, std::string& out);
