#include "Collation.h"

#ifndef _WIN32
#include "CollationKey.h"

#include <cstdlib>

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
