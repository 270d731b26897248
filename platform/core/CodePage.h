#pragma once

#include <cstdint>
#include <string>

// The system's ANSI code page, taken from the locale the way Windows compatibility
// layers do: ru_*, uk_*, be_*, bg_* and sr_* give Windows-1251, everything else
// Windows-1252.
enum class CodePage { Windows1252 = 1252, Windows1251 = 1251 };

CodePage AnsiCodePageFromLocale(const char* pszLocale);
// Reads LC_ALL, LC_CTYPE and LANG, in that order, once; on Windows asks GetACP.
CodePage SystemAnsiCodePage();

// Unicode code point of one 8-bit character; undefined bytes map to U+FFFD.
char32_t AnsiToUnicode(unsigned char ch, CodePage cp);
// 8-bit character for a code point; a character the page lacks becomes '?'.
char UnicodeToAnsi(char32_t cp32, CodePage cp);

std::u32string AnsiToUtf32(const std::string& s, CodePage cp);
std::string Utf32ToAnsi(const std::u32string& s, CodePage cp);
// UTF-16 code units (surrogate pairs joined) to 8-bit, stopping at the first NUL unit.
std::string Utf16ToAnsi(const std::u16string& s, CodePage cp);
// Case folding used by sorted list boxes: letters of the page compare without case.
unsigned char AnsiFoldCase(unsigned char ch, CodePage cp);
// The order of a sorted list box: byte by byte after folding case, shorter first.
int AnsiCompareNoCase(const std::string& a, const std::string& b, CodePage cp);

// UTF-8, which terminals, JSON and Linux file names speak. The conversions to 8-bit
// never lose a byte silently: what a page cannot carry is reported or replaced by '?'.
std::string AnsiToUtf8(const std::string& strAnsi, CodePage cp);
// True when every byte is a character of the page, so AnsiToUtf8 and Utf8ToAnsi give
// the same bytes back.
bool AnsiRoundTrips(const std::string& strAnsi, CodePage cp);
// Fails, saying why, on malformed UTF-8 and on characters the page lacks.
bool Utf8ToAnsi(const std::string& strUtf8, CodePage cp, std::string& strAnsi, std::string& strWhy);
// Reads one UTF-8 sequence at i; false on malformed, overlong or surrogate input. A
// sequence cut short leaves i at the byte that broke it, so it counts as one fault.
bool NextUtf8CodePoint(const std::string& s, std::size_t& i, char32_t& c);
// Code points of UTF-8 text; each malformed sequence becomes U+FFFD and makes it false.
bool Utf8ToUtf32(const std::string& strUtf8, std::u32string& out);
