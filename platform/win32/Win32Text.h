#pragma once

#include <string>

// Texts between the framework's 8-bit strings and the system's wide-character calls.
// The conversions are the core's code-page module, which holds Windows' own tables, so
// a window shows a name as every other part of the program reads it. This header keeps
// <windows.h> out of the framework's translation units, whose integer names differ from
// the system's.
class CWin32Text {
public:
    // Text in the system's ANSI code page; a CDisplayText gives its own Utf16().
    static std::wstring Wide(const std::string& strAnsi);
    static std::wstring Wide(const std::u16string& strText) { return std::wstring(strText.begin(), strText.end()); }
    static std::u16string Utf16(const std::wstring& strText) { return std::u16string(strText.begin(), strText.end()); }
    static std::string Utf8(const std::wstring& strText);

    // True when the code page has a character for ch, so that a typed character
    // survives being stored as 8-bit text. Half of a surrogate pair has one only in
    // UTF-8, the one page with characters beyond the Basic Multilingual Plane.
    static bool IsAnsiRepresentable(wchar_t ch);
};
