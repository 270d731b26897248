#pragma once

#include <cstddef>
#include <functional>
#include <vector>

// Where a sorted list box (LBS_SORT) puts a row it is given: a binary search over the
// rows it holds, which stops at the first row that compares equal and puts the new row
// before it, or else puts it where the search ends. compareAt(i) compares row i with
// the new one (negative when row i sorts first); nCount is the number of rows.
int SortedListInsertIndex(int nCount, const std::function<int(int)>& compareAt);

// The order a sorted list box shows after rows are added one by one: rows 0 to
// nExisting - 1 are in it already, in that order (which must be sorted); the others
// are added in turn. compare(a, b) compares rows a and b. Equal rows end where the
// search above puts them, which depends on the rows around them, so the result is that
// of adding them one at a time; it takes O(n log n) comparisons.
std::vector<std::size_t> SortedListOrder(std::size_t nExisting, std::size_t nCount,
                                         const std::function<int(std::size_t, std::size_t)>& compare);
