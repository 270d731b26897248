#include "ListSortKeys.h"

#ifdef _WIN32
#include <windows.h>

void CListSortKeys::Add(const std::string& strAnsi, CodePage cp)
{
    const std::u16string text = Utf32ToUtf16(AnsiToUtf32(strAnsi, cp));
    m_texts.emplace_back(text.begin(), text.end());
}

std::size_t CListSortKeys::GetCount() const { return m_texts.size(); }

int CListSortKeys::Compare(std::size_t a, std::size_t b) const
{
    // The very call a sorted list box makes, in the locale it was made in.
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, m_texts[a].data(), static_cast<int>(m_texts[a].size()),
                          m_texts[b].data(), static_cast<int>(m_texts[b].size())) -
           CSTR_EQUAL;
}

#else
#include "Collation.h"

#include <algorithm>
#include <cstring>

void CListSortKeys::Add(const std::string& strAnsi, CodePage cp)
{
    m_keys += CCollation::System().SortKey(AnsiToUtf32(strAnsi, cp));
    m_ends.push_back(m_keys.size());
}

std::size_t CListSortKeys::GetCount() const { return m_ends.size(); }

int CListSortKeys::Compare(std::size_t a, std::size_t b) const
{
    const std::size_t nStartA = a ? m_ends[a - 1] : 0, nStartB = b ? m_ends[b - 1] : 0;
    const std::size_t nLengthA = m_ends[a] - nStartA, nLengthB = m_ends[b] - nStartB;
    const int nOrder = std::memcmp(m_keys.data() + nStartA, m_keys.data() + nStartB, std::min(nLengthA, nLengthB));
    return nOrder ? nOrder : (nLengthA > nLengthB) - (nLengthA < nLengthB);
}
#endif
