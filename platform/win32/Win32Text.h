#pragma once

#include <string>

// Texts cross between the framework's 8-bit strings in the system's ANSI code page and
// the UTF-16 the window system shows. This header keeps <windows.h> out of the
// framework's translation units, whose integer names differ from the system's.
class CWin32Text {
public:
    static std::wstring AnsiToWide(const std::string& strText);
    // A character the code page lacks becomes '?'.
    static std::string WideToAnsi(const std::wstring& strText);
    // True when the code page has a character for ch, so that a typed character
    // survives being stored as 8-bit text. Half of a surrogate pair never has one.
    static bool IsAnsiRepresentable(wchar_t ch);
};
