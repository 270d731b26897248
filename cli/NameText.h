#pragma once

#include "CodePage.h"

#include <string>

// Names are 8-bit strings in an ANSI code page; the terminal and JSON speak UTF-8. These
// conversions never lose a byte silently: what cannot be carried is reported or escaped.

// UTF-8 of an 8-bit text. Bytes the page leaves undefined become U+FFFD.
std::string AnsiToUtf8(const std::string& strAnsi, CodePage cp);
// True when AnsiToUtf8 and Utf8ToAnsi give the same bytes back.
bool AnsiRoundTrips(const std::string& strAnsi, CodePage cp);
// A text for one line of terminal output: control characters and bytes the page leaves
// undefined appear as \xNN, so a name can neither break a line nor drive the terminal.
std::string DisplayText(const std::string& strAnsi, CodePage cp);
// The same, appended to out.
void AppendDisplayText(std::string& out, const std::string& strAnsi, CodePage cp);
// A quoted DisplayText, as used to name a chip in messages.
std::string QuotedText(const std::string& strAnsi, CodePage cp);
// A message for the terminal: valid UTF-8 passes, while control characters and bytes
// that are not valid UTF-8 appear as \xNN.
std::string MessageText(const std::string& strUtf8);
// Encodes UTF-8 in the code page. Fails, saying why, on malformed UTF-8 and on
// characters the page lacks, rather than turning them into '?'.
bool Utf8ToAnsi(const std::string& strUtf8, CodePage cp, std::string& strAnsi, std::string& strWhy);

// "41 42" style hex; HexDecode accepts upper or lower case, with or without spaces.
std::string HexEncode(const std::string& bytes, bool bSpaced = false);
bool HexDecode(const std::string& strHex, std::string& bytes);

// 1252 or 1251; false for any other number.
bool CodePageFromNumber(int nNumber, CodePage& cp);
