#include "ListOrder.h"

#include <algorithm>
#include <cstdint>

namespace {

// The first eight folded bytes, most significant first, so that comparing two prefixes
// as numbers orders them as AnsiCompareNoCase does, up to a tie.
std::uint64_t FoldedPrefix(const std::string& s, CodePage cp)
{
    std::uint64_t n = 0;
    for (std::size_t i = 0; i < 8; ++i)
        n = (n << 8) | (i < s.size() ? AnsiFoldCase(static_cast<unsigned char>(s[i]), cp) : 0);
    return n;
}

struct SortItem {
    std::uint64_t nPrefix;
    int nIndex;
};

}  // namespace

std::vector<int> SortedEntryOrder(const CChipCatalog& catalog, CodePage cp)
{
    // Sorting compact items on their prefix keeps the sort in cache; only names that
    // share eight folded bytes (or are shorter) are compared in full.
    const CChipEntryArray& entries = catalog.Entries();
    std::vector<SortItem> items(static_cast<std::size_t>(entries.GetSize()));
    for (int i = 0; i < entries.GetSize(); ++i)
        items[static_cast<std::size_t>(i)] = {FoldedPrefix(entries[i].name.Str(), cp), i};
    std::stable_sort(items.begin(), items.end(), [&entries, cp](const SortItem& a, const SortItem& b) {
        if (a.nPrefix != b.nPrefix)
            return a.nPrefix < b.nPrefix;
        return AnsiCompareNoCase(entries[a.nIndex].name.Str(), entries[b.nIndex].name.Str(), cp) < 0;
    });
    std::vector<int> order(items.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        order[i] = items[i].nIndex;
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
