#pragma once

#include <cstdint>
#include <string>

// The single-byte Windows ANSI code pages, in which chip names are stored. Their tables
// are Windows' own (CodePageTables.cpp), so every system reads, writes, folds and sorts
// a name's bytes the same way. The double-byte pages (932, 936, 949 and 950) are not
// among them: a name there mixes one- and two-byte characters, and the byte-wise rules
// below would fold or split the second byte of a character.
enum class CodePage {
    Windows874 = 874,
    Windows1250 = 1250,
    Windows1251 = 1251,
    Windows1252 = 1252,
    Windows1253 = 1253,
    Windows1254 = 1254,
    Windows1255 = 1255,
    Windows1256 = 1256,
    Windows1257 = 1257,
    Windows1258 = 1258,
};

// The page of a number; false for a number that is none of the pages above.
bool CodePageFromNumber(int nNumber, CodePage& cp);
// What the page is for, such as "Central European".
const char* CodePageName(CodePage cp);
// Why a page number cannot be used, as a message naming it; empty for a supported page.
std::string CodePageRefusal(int nNumber);

// The ANSI code page of a locale name ("pl_PL.UTF-8") the way Windows compatibility
// layers map it; it may be a double-byte page. Unknown languages, C and POSIX give 1252.
int AnsiCodePageFromLocale(const char* pszLocale);
// The system's ANSI code page number: GetACP on Windows; elsewhere the locale, from
// LC_ALL, LC_CTYPE and LANG, in that order, read once.
int SystemAnsiCodePageNumber();
// The system's page, or Windows-1252 where that number is not supported. The programs
// refuse to start on such a system (CodePageRefusal), so the fallback names nothing.
CodePage SystemAnsiCodePage();

// The character of one byte, as Windows' MultiByteToWideChar gives it: a byte the page
// leaves undefined gives the control character of its value (0x80 to 0x9F) or a
// private-use character, and UnicodeToAnsi gives the byte back for either.
char32_t AnsiToUnicode(unsigned char ch, CodePage cp);
// False for a byte the page leaves undefined.
bool AnsiIsDefined(unsigned char ch, CodePage cp);
// The byte of a character, as WideCharToMultiByte gives it without best-fit guesses; a
// character the page lacks becomes '?'.
char UnicodeToAnsi(char32_t c, CodePage cp);

// Whole strings, byte for character; what the page lacks becomes '?'.
std::u32string AnsiToUtf32(const std::string& s, CodePage cp);
std::string Utf32ToAnsi(const std::u32string& s, CodePage cp);
std::u16string AnsiToUtf16(const std::string& s, CodePage cp);
// UTF-16 code units (surrogate pairs joined) to 8-bit, stopping at the first NUL unit.
std::string Utf16ToAnsi(const std::u16string& s, CodePage cp);

// Case folding used by sorted list boxes and name patterns: each letter of the page
// becomes its lower-case partner in the same page. Letters without one (the Turkish
// dotted capital I and dotless small i) keep their byte.
unsigned char AnsiFoldCase(unsigned char ch, CodePage cp);
// The order of a sorted list box: byte by byte after folding case, shorter first.
int AnsiCompareNoCase(const std::string& a, const std::string& b, CodePage cp);

// UTF-8, which terminals, JSON and Linux file names speak. The conversions to 8-bit
// never lose a byte silently: what a page cannot carry is reported or replaced by '?'.
// A byte the page leaves undefined becomes U+FFFD, since it is no character to show.
std::string AnsiToUtf8(const std::string& strAnsi, CodePage cp);
// True when every byte is a character of the page, so AnsiToUtf8 and Utf8ToAnsi give
// the same bytes back.
bool AnsiRoundTrips(const std::string& strAnsi, CodePage cp);
// Fails, saying why, on malformed UTF-8 and on characters the page lacks.
bool Utf8ToAnsi(const std::string& strUtf8, CodePage cp, std::string& strAnsi, std::string& strWhy);

// Between the Unicode forms, such as a wide-character command line or console and the
// UTF-8 the command line tool works in. What is malformed (bad UTF-8, a lone surrogate,
// a code point beyond U+10FFFF) becomes U+FFFD.
// Reads one UTF-8 sequence at i; false on malformed, overlong or surrogate input. A
// sequence cut short leaves i at the byte that broke it, so it counts as one fault.
bool NextUtf8CodePoint(const std::string& s, std::size_t& i, char32_t& c);
// Code points of UTF-8 text; false when some sequence was malformed.
bool Utf8ToUtf32(const std::string& strUtf8, std::u32string& out);
std::string Utf32ToUtf8(const std::u32string& s);
// Surrogate pairs are joined; a NUL unit is kept like any other.
std::u32string Utf16ToUtf32(const std::u16string& s);
std::u16string Utf32ToUtf16(const std::u32string& s);
