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
    // exponential on patterns with many stars.
    std::size_t p = 0, n = 0, nStar = std::string::npos, nResume = 0;
    auto same = [cp](char a, char b) {
        return AnsiFoldCase(static_cast<unsigned char>(a), cp) == AnsiFoldCase(static_cast<unsigned char>(b), cp);
    };
    while (n < strName.size()) {
        if (p < strPattern.size() && strPattern[p] == '*') {
            nStar = p++;
            nResume = n;
        } else if (p < strPattern.size() && (strPattern[p] == '?' || same(strPattern[p], strName[n]))) {
            ++p;
            ++n;
        } else if (nStar != std::string::npos) {
            p = nStar + 1;
            n = ++nResume;
        } else {
            return false;
        }
    }
    while (p < strPattern.size() && strPattern[p] == '*')
        ++p;
    return p == strPattern.size();
}
