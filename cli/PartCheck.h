#pragma once

#include "EntryCheck.h"
#include "PartTable.h"

// Warnings for chips whose name is a part number their settings disagree with: a length
// other than the part's size, a size the Length field cannot hold, a write buffer larger
// than the part's page, Microwire address bits the part's organisation does not take,
// and a kind or type of the wrong bus or organisation. Names that hold no part number
// are left alone.
void CheckPartNumbers(const CChipCatalog& catalog, CodePage cp, std::vector<Finding>& findings);

// The organisation the catalogue's name for a type says ("Microwire x16"); unknown when
// the name says neither or there is no type at that position.
PartOrg TypeOrganisation(const CChipCatalog& catalog, int nType);
// "type 1 \"Microwire x8\"", for messages.
std::string TypeLabel(const CChipCatalog& catalog, int nType, CodePage cp);
