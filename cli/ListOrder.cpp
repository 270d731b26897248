#include "ListOrder.h"

#include "ListSortKeys.h"
#include "SortedListOrder.h"

std::vector<int> SortedEntryOrder(const CChipCatalog& catalog, CodePage cp)
{
    const CChipEntryArray& entries = catalog.Entries();
    CListSortKeys keys;
    for (int i = 0; i < entries.GetSize(); ++i)
        keys.Add(entries[i].name.Str(), cp);
    const std::vector<std::size_t> rows = SortedListOrder(
        0, keys.GetCount(), [&keys](std::size_t a, std::size_t b) { return keys.Compare(a, b); });
    return std::vector<int>(rows.begin(), rows.end());
}

bool MatchNamePattern(const std::string& strPattern, const std::string& strName, CodePage cp)
{
    // Iterative matching with one backtrack point, linear in practice and never
    // exponential on patterns with many stars. Both strings are walked a character at a
    // time, so '?' takes a whole double-byte character and a trail byte never matches.
    std::size_t p = 0, n = 0, nStar = std::string::npos, nResume = 0;
    while (n < strName.size()) {
        const AnsiChar name = AnsiCharAt(strName, n, cp);
        if (p < strPattern.size() && strPattern[p] == '*') {
            nStar = ++p;
            nResume = n;
            continue;
        }
        if (p < strPattern.size()) {
            const AnsiChar pattern = AnsiCharAt(strPattern, p, cp);
            if (strPattern[p] == '?' || AnsiFoldedCode(pattern, cp) == AnsiFoldedCode(name, cp)) {
                p += pattern.nLength;
                n += name.nLength;
                continue;
            }
        }
        if (nStar == std::string::npos)
            return false;
        p = nStar;
        nResume += AnsiCharAt(strName, nResume, cp).nLength;
        n = nResume;
    }
    while (p < strPattern.size() && strPattern[p] == '*')
        ++p;
    return p == strPattern.size();
}
