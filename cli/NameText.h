#pragma once

#include "CodePage.h"

#include <string>

// Names in messages, hex and code page numbers, for the command line. The UTF-8
// conversions and MessageText are the code page's (CodePage.h).

// A text for one line of terminal output: control characters and bytes the page leaves
// undefined appear as \xNN, so a name can neither break a line nor drive the terminal.
std::string DisplayText(const std::string& strAnsi, CodePage cp);
// The same, appended to out.
void AppendDisplayText(std::string& out, const std::string& strAnsi, CodePage cp);
// A quoted DisplayText, as used to name a chip in messages.
std::string QuotedText(const std::string& strAnsi, CodePage cp);

// "41 42" style hex; HexDecode accepts upper or lower case, with or without spaces.
std::string HexEncode(const std::string& bytes, bool bSpaced = false);
bool HexDecode(const std::string& strHex, std::string& bytes);
