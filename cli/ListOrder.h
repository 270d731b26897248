#pragma once

#include "ChipCatalog.h"
#include "CodePage.h"

#include <string>
#include <vector>

// Entry indexes in the chip list window's order: that of a sorted list box given the
// names in file order (ListSortKeys.h, SortedListOrder.h).
std::vector<int> SortedEntryOrder(const CChipCatalog& catalog, CodePage cp);

// A shell-style pattern on names: '*' any run of characters, '?' one character (of one
// or two bytes), anything else itself, letters without case as in the list order.
bool MatchNamePattern(const std::string& strPattern, const std::string& strName, CodePage cp);
