#pragma once

#include "catalog/ChipCatalog.h"
#include "platform/CodePage.h"

#include <string>
#include <vector>

// The chip list window's order: letters of the code page compare without case, byte
// by byte, a shorter name before its longer continuations, equal names in file order.
int CompareListText(const std::string& a, const std::string& b, CodePage cp);
// Entry indexes in that order.
std::vector<int> SortedEntryOrder(const CChipCatalog& catalog, CodePage cp);

// A shell-style pattern on name bytes: '*' any run, '?' one byte, anything else itself,
// letters without case as in the list order.
bool MatchNamePattern(const std::string& strPattern, const std::string& strName, CodePage cp);
