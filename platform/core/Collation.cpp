#include "Collation.h"

#ifndef _WIN32
#include "CodePage.h"
#include "CollationKey.h"

CCollation::CCollation(const char* pszLocale) : m_pLanguage(&CollationLanguageOf(pszLocale ? pszLocale : "")) {}

const CCollation& CCollation::System()
{
    // The locale the code page comes from.
    static const CCollation collation(SystemLocaleName());
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
