#pragma once

#include "Types.h"

#include <string>
#include <vector>

// An 8-bit string in the system's ANSI code page. Bytes are kept as they are: nothing
// here converts, so names read from a file go back to it unchanged.
class CString {
public:
    CString() = default;
    CString(const char* psz) : m_str(psz ? psz : "") {}
    CString(const char* pch, int nLength) : m_str(pch, pch + nLength) {}
    CString(std::string str) : m_str(std::move(str)) {}
    CString(char ch, int nRepeat) : m_str(static_cast<std::size_t>(nRepeat), ch) {}

    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    char GetAt(int nIndex) const { return m_str[static_cast<std::size_t>(nIndex)]; }
    char operator[](int nIndex) const { return GetAt(nIndex); }
    operator LPCTSTR() const { return m_str.c_str(); }
    const char* GetString() const { return m_str.c_str(); }
    const std::string& Str() const { return m_str; }
    std::string& Str() { return m_str; }

    // printf-style formatting, as the framework's Format.
    void Format(const char* pszFormat, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;
    // Inserts at nIndex (clamped to the string) and returns the new length.
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, const char* psz);

    int Compare(const char* psz) const;
    int CompareNoCase(const char* psz) const;

    CString& operator=(const char* psz) { m_str = psz ? psz : ""; return *this; }
    CString& operator+=(const CString& s) { m_str += s.m_str; return *this; }
    CString& operator+=(const char* psz) { m_str += psz; return *this; }
    CString& operator+=(char ch) { m_str += ch; return *this; }
    friend CString operator+(CString a, const CString& b) { a += b; return a; }
    friend CString operator+(CString a, const char* b) { a += b; return a; }
    friend CString operator+(const char* a, const CString& b) { return CString(a) + b; }

    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_str != b.m_str; }
    friend bool operator==(const CString& a, const char* b) { return a.m_str == b; }
    friend bool operator!=(const CString& a, const char* b) { return a.m_str != b; }
    friend bool operator<(const CString& a, const CString& b) { return a.m_str < b.m_str; }

private:
    std::string m_str;
};

// The C runtime's multibyte comparison in the system's ANSI code page: character by
// character, a double-byte character as lead << 8 | trail; 0 when both strings are equal
// byte for byte up to their terminating NUL.
int _mbscmp(const char* a, const char* b);

class CStringArray {
public:
    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetCount() const { return GetSize(); }
    void SetSize(int nNewSize) { m_items.resize(static_cast<std::size_t>(nNewSize < 0 ? 0 : nNewSize)); }
    const CString& GetAt(int nIndex) const { return m_items[static_cast<std::size_t>(nIndex)]; }
    void SetAt(int nIndex, const CString& s) { m_items[static_cast<std::size_t>(nIndex)] = s; }
    CString& operator[](int nIndex) { return m_items[static_cast<std::size_t>(nIndex)]; }
    const CString& operator[](int nIndex) const { return GetAt(nIndex); }
    int Add(const CString& s) { m_items.push_back(s); return GetSize() - 1; }
    void RemoveAt(int nIndex, int nCount = 1);

private:
    std::vector<CString> m_items;
};
