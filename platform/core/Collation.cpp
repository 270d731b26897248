#include "Collation.h"

#ifdef _WIN32
#include <windows.h>

ListSortKey MakeListSortKey(const std::string& strAnsi, CodePage cp)
{
    const std::u16string text = Utf32ToUtf16(AnsiToUtf32(strAnsi, cp));
    return ListSortKey(text.begin(), text.end());
}

int CompareListSortKeys(const ListSortKey& a, const ListSortKey& b)
{
    // The very call a sorted list box makes, in the locale it was made in.
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) -
           CSTR_EQUAL;
}

#else
#include "CollationKey.h"

#include <cstdlib>

ListSortKey MakeListSortKey(const std::string& strAnsi, CodePage cp)
{
    return CCollation::System().SortKey(AnsiToUtf32(strAnsi, cp));
}

int CompareListSortKeys(const ListSortKey& a, const ListSortKey& b)
{
    return a.compare(b);
}

CCollation::CCollation(const char* pszLocale) : m_pLanguage(&CollationLanguageOf(pszLocale ? pszLocale : "")) {}

const CCollation& CCollation::System()
{
    // The variables the code page comes from, in the same order.
    static const CCollation collation([] {
        for (const char* pszVar : {"LC_ALL", "LC_CTYPE", "LANG"}) {
            const char* pszValue = std::getenv(pszVar);
            if (pszValue && *pszValue)
                return pszValue;
        }
        return "";
    }());
    return collation;
}

std::string CCollation::SortKey(const std::u32string& text) const
{
    return BuildSortKey(*m_pLanguage, text);
}

int CCollation::Compare(const std::u32string& a, const std::u32string& b) const
{
    return SortKey(a).compare(SortKey(b));
}
#endif

int CompareListText(const std::string& a, const std::string& b, CodePage cp)
{
    return CompareListSortKeys(MakeListSortKey(a, cp), MakeListSortKey(b, cp));
}
