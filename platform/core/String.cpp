#include "String.h"

#include "CodePage.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace {

std::size_t ClampIndex(int nIndex, std::size_t nSize)
{
    if (nIndex < 0)
        return 0;
    return std::min(static_cast<std::size_t>(nIndex), nSize);
}

}  // namespace

void CString::Format(const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    va_list copy;
    va_copy(copy, args);
    char buf[256];
    int n = std::vsnprintf(buf, sizeof buf, pszFormat, args);
    va_end(args);
    if (n < 0) {
        m_str.clear();
    } else if (static_cast<std::size_t>(n) < sizeof buf) {
        m_str.assign(buf, static_cast<std::size_t>(n));
    } else {
        m_str.assign(static_cast<std::size_t>(n) + 1, '\0');
        std::vsnprintf(&m_str[0], m_str.size(), pszFormat, copy);
        m_str.resize(static_cast<std::size_t>(n));
    }
    va_end(copy);
}

int CString::Insert(int nIndex, char ch)
{
    m_str.insert(ClampIndex(nIndex, m_str.size()), 1, ch);
    return GetLength();
}

int CString::Insert(int nIndex, const char* psz)
{
    m_str.insert(ClampIndex(nIndex, m_str.size()), psz ? psz : "");
    return GetLength();
}

int CString::Compare(const char* psz) const
{
    return _mbscmp(m_str.c_str(), psz ? psz : "");
}

int CString::CompareNoCase(const char* psz) const
{
    return AnsiCompareNoCase(m_str.c_str(), psz ? psz : "", SystemAnsiCodePage());
}

int _mbscmp(const char* a, const char* b)
{
    // A lead byte before the terminating NUL is compared as a character of its own, so
    // that names of different bytes never compare equal.
    return AnsiCompare(a, b, SystemAnsiCodePage());
}

void CStringArray::RemoveAt(int nIndex, int nCount)
{
    auto first = m_items.begin() + nIndex;
    m_items.erase(first, first + nCount);
}
