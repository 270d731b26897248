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
