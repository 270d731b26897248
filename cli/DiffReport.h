#pragma once

#include "ChipCatalog.h"
#include "ChipView.h"

#include <ostream>
#include <string>

// How diff compares two catalogues and words what it finds; merge reports its own
// changes in the same terms.

// {"index": 3, "name": ...} for one chip, its name read in the page.
Json ChipRef(const CChipCatalog& catalog, int nIndex, CodePage cp);
// The fields whose values differ from a to b, named for the family of b's kind.
Json FieldChanges(const ChipSettings& a, const ChipSettings& b);
// The positions whose type names differ, each file's names read in its own page.
Json TypeChanges(const CChipCatalog& a, CodePage cpA, const CChipCatalog& b, CodePage cpB);
// Everything diff reports from a to b: types, removed, added, changed, reordered.
Json CompareCatalogs(const CChipCatalog& a, const CChipCatalog& b, CodePage cp);

// "type 1: \"old\" -> \"new\"".
std::string TypeChangeText(const Json& change);
// "#3 \"name\"", from the name bytes a ChipRef carries.
std::string ChipRefText(const Json& ref, CodePage cp);
// ": length 256 -> 512; clk_mask ...", the part of a changed line after the chip.
std::string FieldChangesText(const Json& fields);
// "~ #3 \"name\" (now #4): length ...", one changed chip.
std::string ChangedChipText(const Json& change, CodePage cp);
// The whole comparison as diff prints it, one line each.
void PrintComparison(std::ostream& out, const Json& diff, CodePage cp);
