#include "SortedListOrder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>
#include <vector>

namespace {

int CompareNoCase(const std::string& a, const std::string& b)
{
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const int n = std::tolower(static_cast<unsigned char>(a[i])) - std::tolower(static_cast<unsigned char>(b[i]));
        if (n)
            return n;
    }
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

// The list a sorted list box holding list shows after rows are added one at a time.
std::vector<std::string> AddedOneByOne(const std::vector<std::string>& rows, std::vector<std::string> list = {})
{
    for (const std::string& strRow : rows) {
        const int nIndex = SortedListInsertIndex(static_cast<int>(list.size()),
                                                 [&](int i) { return CompareNoCase(list[i], strRow); });
        list.insert(list.begin() + nIndex, strRow);
    }
    return list;
}

std::vector<std::string> InOrder(const std::vector<std::string>& rows, std::size_t nExisting)
{
    std::vector<std::string> out;
    for (std::size_t i : SortedListOrder(nExisting, rows.size(), [&rows](std::size_t a, std::size_t b) {
             return CompareNoCase(rows[a], rows[b]);
         }))
        out.push_back(rows[i]);
    return out;
}

}  // namespace

// A list box under Wine, given b B a A x X a b one by one, shows a A a b B b X x:
// each new row goes before the first equal row its binary search meets.
TEST(SortedListOrder, EqualRowsStandWhereTheListBoxSearchPutsThem)
{
    const std::vector<std::string> rows = {"b", "B", "a", "A", "x", "X", "a", "b"};
    const std::vector<std::string> shown = {"a", "A", "a", "b", "B", "b", "X", "x"};
    EXPECT_EQ(AddedOneByOne(rows), shown);
    EXPECT_EQ(InOrder(rows, 0), shown);
    EXPECT_EQ(SortedListInsertIndex(0, [](int) { return 0; }), 0);
}

// Adding many rows at once gives what adding them one by one gives, also onto rows
// the list holds already, for lists with many equal rows.
TEST(SortedListOrder, AddingAllAtOnceEqualsAddingOneByOne)
{
    std::mt19937 random(26);
    const char* const kRows[] = {"a", "A", "b", "B", "24c02", "24C02", "24C02A", "x"};
    for (int nCase = 0; nCase < 300; ++nCase) {
        std::vector<std::string> rows(random() % 40);
        for (std::string& strRow : rows)
            strRow = kRows[random() % 8];
        const std::size_t nExisting = rows.empty() ? 0 : random() % rows.size();
        const auto nSplit = rows.begin() + static_cast<std::ptrdiff_t>(nExisting);
        const std::vector<std::string> held = AddedOneByOne({rows.begin(), nSplit});
        const std::vector<std::string> added(nSplit, rows.end());
        std::vector<std::string> all = held;
        all.insert(all.end(), added.begin(), added.end());
        ASSERT_EQ(InOrder(all, nExisting), AddedOneByOne(added, held)) << "case " << nCase;
    }
}
