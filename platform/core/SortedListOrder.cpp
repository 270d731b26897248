#include "SortedListOrder.h"

#include <algorithm>
#include <numeric>

namespace {

// Counts of rows by group, with the count of all groups before one in O(log n).
class CGroupCounts {
public:
    explicit CGroupCounts(std::size_t nGroups) : m_tree(nGroups + 1, 0) {}
    void Add(std::size_t nGroup)
    {
        for (std::size_t i = nGroup + 1; i < m_tree.size(); i += i & (~i + 1))
            ++m_tree[i];
    }
    int Before(std::size_t nGroup) const
    {
        int n = 0;
        for (std::size_t i = nGroup; i > 0; i -= i & (~i + 1))
            n += m_tree[i];
        return n;
    }

private:
    std::vector<int> m_tree;
};

}  // namespace

int SortedListInsertIndex(int nCount, const std::function<int(int)>& compareAt)
{
    int nLow = 0;
    int nHigh = nCount - 1;
    while (nLow <= nHigh) {
        const int nMid = (nLow + nHigh) / 2;
        const int nOrder = compareAt(nMid);
        if (nOrder == 0)
            return nMid;
        if (nOrder > 0)
            nHigh = nMid - 1;
        else
            nLow = nMid + 1;
    }
    return nLow;
}

std::vector<std::size_t> SortedListOrder(std::size_t nExisting, std::size_t nCount,
                                         const std::function<int(std::size_t, std::size_t)>& compare)
{
    // Rows that compare equal form a group, and groups keep their sorted order; only
    // the order inside a group depends on the searches, and each search depends only
    // on how many rows stand before the group, in it and in the list.
    std::vector<std::size_t> sorted(nCount);
    std::iota(sorted.begin(), sorted.end(), std::size_t(0));
    std::stable_sort(sorted.begin(), sorted.end(), [&compare](std::size_t a, std::size_t b) { return compare(a, b) < 0; });
    std::vector<std::size_t> groupOf(nCount);
    std::size_t nGroups = 0;
    for (std::size_t i = 0; i < nCount; ++i) {
        if (i > 0 && compare(sorted[i - 1], sorted[i]) != 0)
            ++nGroups;
        groupOf[sorted[i]] = nGroups;
    }
    nGroups += nCount > 0;
    // Each group's rows, in list order, in its own stretch of one array.
    std::vector<std::size_t> start(nGroups + 1, 0);
    for (std::size_t nRow = 0; nRow < nCount; ++nRow)
        ++start[groupOf[nRow] + 1];
    std::partial_sum(start.begin(), start.end(), start.begin());
    std::vector<std::size_t> order(nCount);
    std::vector<std::size_t> filled(nGroups, 0);
    CGroupCounts counts(nGroups);
    for (std::size_t nRow = 0; nRow < nCount; ++nRow) {
        const std::size_t nGroup = groupOf[nRow];
        const auto pGroup = order.begin() + static_cast<std::ptrdiff_t>(start[nGroup]);
        std::size_t nPlace = filled[nGroup];
        if (nRow >= nExisting) {
            const int nBefore = counts.Before(nGroup);
            const int nEqual = static_cast<int>(filled[nGroup]);
            const int nIndex = SortedListInsertIndex(static_cast<int>(nRow), [nBefore, nEqual](int i) {
                return i < nBefore ? -1 : i >= nBefore + nEqual ? 1 : 0;
            });
            nPlace = static_cast<std::size_t>(nIndex - nBefore);
        }
        const auto pPlace = pGroup + static_cast<std::ptrdiff_t>(nPlace);
        std::copy_backward(pPlace, pGroup + static_cast<std::ptrdiff_t>(filled[nGroup]),
                           pGroup + static_cast<std::ptrdiff_t>(filled[nGroup] + 1));
        *pPlace = nRow;
        ++filled[nGroup];
        counts.Add(nGroup);
    }
    return order;
}
