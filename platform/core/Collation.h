#pragma once

#include "CodePage.h"

#include <string>

// The order of a sorted list box (LBS_SORT), which the chip list and every listing of
// names by name follow. Windows orders such a list as CompareStringW does for the
// user's locale, ignoring case: its "word sort", in which a hyphen or an apostrophe
// counts only when the texts are otherwise equal, other punctuation and symbols come
// before digits and digits before letters, an accented letter stands beside its base
// letter (accents count after the letters), and each language has its own rules:
// Polish puts Ł after L, Swedish Ä after Z, Czech sorts "ch" after H, Chinese goes by
// pinyin. Names are compared as the Unicode text of their code page.
//
// On Windows the comparison is the system's own. Elsewhere it is rebuilt from the
// weights Windows gives each character in the locale that also selects the code page
// (CollationTables.cpp).

// A name made ready for comparing many times: on Windows its UTF-16 text, elsewhere
// its sort key, whose bytes compare as the names do.
#ifdef _WIN32
using ListSortKey = std::wstring;
#else
using ListSortKey = std::string;
#endif

// Both in the system's order: negative when a sorts first, 0 when the list box counts
// them equal (as "24C02" and "24c02").
ListSortKey MakeListSortKey(const std::string& strAnsi, CodePage cp);
int CompareListSortKeys(const ListSortKey& a, const ListSortKey& b);
int CompareListText(const std::string& a, const std::string& b, CodePage cp);

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
