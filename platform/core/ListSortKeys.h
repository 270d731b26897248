#pragma once

#include "CodePage.h"

#include <string>
#include <vector>

// The order of a sorted list box (LBS_SORT), which the chip list and every listing of
// names by name follow. Windows orders such a list as CompareStringW does for the
// user's locale, ignoring case: its "word sort", in which a hyphen or an apostrophe
// counts only when the texts are otherwise equal, other punctuation and symbols come
// before digits and digits before letters, an accented letter stands beside its base
// letter (accents count after the letters), and each language has its own rules:
// Polish puts Ł after L, Swedish Ä after Z, Czech sorts "ch" after H, Chinese goes by
// pinyin. Names are compared as the Unicode text of their code page.
//
// On Windows the comparison is the system's own call. Elsewhere it is Windows' sort key
// rebuilt for the locale that also selects the code page (Collation.h).

// The names of a list made ready to be compared many times: on Windows their UTF-16
// texts, elsewhere their sort keys, kept side by side.
class CListSortKeys {
public:
    void Add(const std::string& strAnsi, CodePage cp);
    std::size_t GetCount() const;
    // Negative when name a sorts before name b, 0 when the list box counts them equal.
    int Compare(std::size_t a, std::size_t b) const;

private:
#ifdef _WIN32
    std::vector<std::wstring> m_texts;
#else
    std::string m_keys;
    std::vector<std::size_t> m_ends;  // where each key ends in m_keys
#endif
};
