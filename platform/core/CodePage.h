#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The Windows ANSI code pages, in which chip names are stored: the single-byte pages,
// the double-byte pages of Japanese, Chinese and Korean, in which a lead byte and the
// trail byte after it make one character, and UTF-8, which Windows 10 and 11 offer as
// the ANSI page. Their tables are Windows' own (CodePageTables.cpp and
// DoubleByteTables.cpp), so every system reads, writes, folds and compares a name's
// bytes the same way.
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
    Windows932 = 932,
    Windows936 = 936,
    Windows949 = 949,
    Windows950 = 950,
    Utf8 = 65001,
};

// The page of a number; false for a number that is none of the pages above.
bool CodePageFromNumber(int nNumber, CodePage& cp);
// Why a page number cannot be used, as a message naming it; empty for a supported page.
std::string CodePageRefusal(int nNumber);

// The ANSI code page of a locale name ("pl_PL.UTF-8") the way Windows compatibility
// layers map it. Unknown languages, C and POSIX give 1252.
int AnsiCodePageFromLocale(const char* pszLocale);
#ifndef _WIN32
// The locale the system's code page and sort order come from: the first of LC_ALL,
// LC_CTYPE and LANG that is set, or "".
const char* SystemLocaleName();
#endif
// The system's ANSI code page number: GetACP on Windows; elsewhere the locale, from
// LC_ALL, LC_CTYPE and LANG, in that order, read once.
int SystemAnsiCodePageNumber();
// The system's page, or Windows-1252 where that number is not supported. The programs
// refuse to start on such a system (CodePageRefusal), so the fallback names nothing.
CodePage SystemAnsiCodePage();

// What one character of an 8-bit string is to Windows.
enum class AnsiCharKind {
    Defined,  // a character of the page, which the page writes back as these bytes
    // A character of the page that the page writes with other bytes (932 and 950 give
    // some characters two codes).
    Variant,
    // Bytes the page leaves undefined, which Windows still reads, as the C1 control of
    // their value or as a private-use character, and writes back as these bytes. The
    // user-defined areas of the double-byte pages are of this kind.
    StandIn,
    // No character: a lead byte without its trail byte, an undefined pair, a malformed
    // UTF-8 sequence. Windows reads it as the page's default character ('?', in 932
    // U+30FB, in UTF-8 U+FFFD) and cannot write it back.
    Invalid,
};

// One character of an 8-bit string.
struct AnsiChar {
    std::size_t nLength;  // its bytes: 1, 2 for a double-byte character, up to 4 in UTF-8
    char32_t c;           // what MultiByteToWideChar reads it as
    AnsiCharKind kind;
    // Its place in the order of _mbscmp: the byte, lead << 8 | trail, the code point of
    // UTF-8 (malformed UTF-8 after every code point). Equal for equal bytes only.
    std::uint32_t nCode;
};

// The character that starts at byte i < s.size(). This is the one place that says where
// characters start: every rule that looks at a name's bytes (folding, comparing,
// matching, typing into an edit box) steps through it with this, so a trail byte is
// never taken for a character of its own. In a double-byte page a lead byte followed by
// any byte but NUL is one character, as Windows' CharNext has it; in UTF-8 a malformed
// sequence is one character up to the byte that shows it malformed.
AnsiChar AnsiCharAt(const std::string& s, std::size_t i, CodePage cp);
// Appends the bytes WideCharToMultiByte gives for c without best-fit guesses; false,
// appending nothing, when the page lacks c. Surrogates are no characters of any page.
bool AppendAnsiChar(char32_t c, CodePage cp, std::string& out);
// True when the page has c, so that a typed character survives being stored.
bool AnsiHasChar(char32_t c, CodePage cp);

// Whole strings, as MultiByteToWideChar (flags 0) and WideCharToMultiByte
// (WC_NO_BEST_FIT_CHARS) convert them: what the page lacks becomes '?'.
std::u32string AnsiToUtf32(const std::string& s, CodePage cp);
std::string Utf32ToAnsi(const std::u32string& s, CodePage cp);
std::u16string AnsiToUtf16(const std::string& s, CodePage cp);
// UTF-16 code units (surrogate pairs joined) to 8-bit, stopping at the first NUL unit.
std::string Utf16ToAnsi(const std::u16string& s, CodePage cp);
// What holds for every page, and fuzz targets check:
// - AnsiToUtf32 and AnsiToUtf16 take any bytes; the characters of AnsiCharAt cover s.
// - Utf16ToAnsi(AnsiToUtf16(s)) == s for every s without a NUL byte whose characters are
//   all Defined or StandIn; a Variant comes back as the page's other code, an Invalid
//   character as the bytes of the default character.
// - For valid UTF-8 u that Utf8ToAnsi converts to a: every character of a is Defined
//   or StandIn, AnsiToUtf32(a) gives u's code points, and AnsiToUtf8(a) == u exactly
//   when AnsiRoundTrips(a), that is when u holds no character a StandIn reads as.

// A character's nCode with its case folded: a letter becomes its lower-case partner in
// the same page. Letters without one (the Turkish dotted capital I and dotless small i)
// stay.
std::uint32_t AnsiFoldedCode(const AnsiChar& ch, CodePage cp);
// The order of a sorted list box: character by character after folding case, shorter
// first.
int AnsiCompareNoCase(const std::string& a, const std::string& b, CodePage cp);
// The order of _mbscmp: character by character as nCode, shorter first.
int AnsiCompare(const std::string& a, const std::string& b, CodePage cp);

// UTF-8, which terminals, JSON and Linux file names speak. The conversions to 8-bit
// never lose a byte silently: what a page cannot carry is reported or replaced by '?'.
// A character that is not Defined or Variant becomes U+FFFD, since it is nothing to show.
std::string AnsiToUtf8(const std::string& strAnsi, CodePage cp);
// True when every character is Defined, so AnsiToUtf8 and Utf8ToAnsi give the same bytes
// back.
bool AnsiRoundTrips(const std::string& strAnsi, CodePage cp);
// Fails, saying why, on malformed UTF-8 and on characters the page lacks.
bool Utf8ToAnsi(const std::string& strUtf8, CodePage cp, std::string& strAnsi, std::string& strWhy);

// Between the Unicode forms, such as a wide-character command line or console and the
// UTF-8 the command line tool works in. What is malformed (bad UTF-8, a lone surrogate,
// a code point beyond U+10FFFF) becomes U+FFFD.
// Reads one UTF-8 sequence at i; false on malformed, overlong or surrogate input, with i
// after the bytes that make one fault as Windows counts them: a byte that cannot start a
// sequence, or a sequence up to the byte that shows it malformed (included when that byte
// is a continuation byte).
bool NextUtf8CodePoint(const std::string& s, std::size_t& i, char32_t& c);
// Code points of UTF-8 text; false when some sequence was malformed.
bool Utf8ToUtf32(const std::string& strUtf8, std::u32string& out);
std::string Utf32ToUtf8(const std::u32string& s);
// Surrogate pairs are joined; a NUL unit is kept like any other.
std::u32string Utf16ToUtf32(const std::u16string& s);
std::u16string Utf32ToUtf16(const std::u32string& s);

// C0 and C1 controls and DEL, which a terminal takes for commands.
bool IsControlChar(char32_t c);
// Appends a byte as \xNN.
void AppendEscapedByte(std::string& out, unsigned char b);
// A message for a terminal: valid UTF-8 passes, while control characters and bytes that
// are not valid UTF-8 appear as \xNN, so a name or path it quotes can neither break the
// line nor drive the terminal.
std::string MessageText(const std::string& strUtf8);
