#pragma once

#include <string>

// Windows' order of sorted lists (ListSortKeys.h) on systems without it, rebuilt from
// the weights Windows gives each character in each language (CollationTables.cpp).

#ifndef _WIN32
struct CollationLanguage;

// A locale's order: the sort key Windows gives a text (LCMapStringEx with LCMAP_SORTKEY
// and NORM_IGNORECASE), whose bytes compare as CompareStringW compares the texts.
class CCollation {
public:
    // The order of a locale name as LANG gives it ("pl_PL.UTF-8", "sr_RS@latin"); C,
    // POSIX, an empty name and languages without an order of their own give the
    // default order, that of US English.
    explicit CCollation(const char* pszLocale);
    // The system's: that of LC_ALL, LC_CTYPE or LANG, the first one set, which also
    // gives the code page.
    static const CCollation& System();

    std::string SortKey(const std::u32string& text) const;
    int Compare(const std::u32string& a, const std::u32string& b) const;

private:
    const CollationLanguage* m_pLanguage;
};
#endif
