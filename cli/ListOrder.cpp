#include "cli/ListOrder.h"

#include <algorithm>
#include <cstring>

int CompareListText(const std::string& a, const std::string& b, CodePage cp)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const int ca = AnsiFoldCase(static_cast<unsigned char>(a[i]), cp);
        const int cb = AnsiFoldCase(static_cast<unsigned char>(b[i]), cp);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

namespace {

std::string Folded(const std::string& s, CodePage cp)
{
    std::string out(s);
    for (char& ch : out)
        ch = static_cast<char>(AnsiFoldCase(static_cast<unsigned char>(ch), cp));
    return out;
}

}  // namespace

std::vector<int> SortedEntryOrder(const CChipCatalog& catalog, CodePage cp)
{
    // Folding each name once and comparing the folded bytes gives the order of
    // CompareListText without folding inside every comparison.
    const CChipEntryArray& entries = catalog.Entries();
    std::vector<std::string> keys(static_cast<std::size_t>(entries.GetSize()));
    std::vector<int> order(keys.size());
    for (int i = 0; i < entries.GetSize(); ++i) {
        keys[static_cast<std::size_t>(i)] = Folded(entries[i].name.Str(), cp);
        order[static_cast<std::size_t>(i)] = i;
    }
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) {
        const std::string& ka = keys[static_cast<std::size_t>(a)];
        const std::string& kb = keys[static_cast<std::size_t>(b)];
        int n = std::memcmp(ka.data(), kb.data(), std::min(ka.size(), kb.size()));
        return n != 0 ? n < 0 : ka.size() < kb.size();
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
