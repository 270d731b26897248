#pragma once

#include "String.h"

#include <string>

// A text for people to read, which knows what its bytes are. CString holds 8-bit text in
// the system's ANSI code page, as every chip name is; a path may hold any character, so
// paths are UTF-8 on every system, and so is a text that names a file. A window shows
// each kind through its own conversion: a folder named in Greek keeps its name in a
// title on a Western system, while a chip name keeps the ANSI page's meaning.
class CDisplayText {
public:
    CDisplayText() = default;
    // Every ANSI text is one, so that CString and literals pass where one is asked for.
    CDisplayText(const CString& strAnsi) : m_str(strAnsi.Str()) {}
    CDisplayText(const char* pszAnsi) : m_str(pszAnsi ? pszAnsi : "") {}
    static CDisplayText FromUtf8(std::string strUtf8);

    bool IsUtf8() const { return m_bUtf8; }
    bool IsEmpty() const { return m_str.empty(); }
    // The bytes, in the text's own encoding.
    const std::string& Str() const { return m_str; }
    const char* GetString() const { return m_str.c_str(); }
    // The text in UTF-8: an ANSI one is converted through the system's code page.
    std::string Utf8() const;
    // The text as a window system shows it, in UTF-16.
    std::u16string Utf16() const;
    // The text in the ANSI code page, where what the page lacks becomes '?'.
    CString Ansi() const;

    // Texts of one kind join as they are; where the kinds differ the result is UTF-8.
    CDisplayText& operator+=(const CDisplayText& other);
    friend CDisplayText operator+(CDisplayText a, const CDisplayText& b) { return a += b; }

private:
    std::string m_str;
    bool m_bUtf8 = false;
};
