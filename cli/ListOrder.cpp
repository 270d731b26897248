#include "ListOrder.h"

#include <algorithm>

std::vector<int> SortedEntryOrder(const CChipCatalog& catalog, CodePage cp)
{
    const CChipEntryArray& entries = catalog.Entries();
    std::vector<int> order(static_cast<std::size_t>(entries.GetSize()));
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&entries, cp](int a, int b) {
        return AnsiCompareNoCase(entries[a].name.Str(), entries[b].name.Str(), cp) < 0;
    });
    return order;
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
