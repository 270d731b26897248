#pragma once

#include "ChipCatalog.h"
#include "ChipView.h"

#include <string>

// The whole catalogue as JSON and back. Every name is carried losslessly ("name" through
// the code page the document states, "name_hex" where that loses bytes) and every entry
// keeps its twelve raw bytes, so the JSON of a catalogue imports to the very bytes a save
// of that catalogue writes.

Json CatalogToJson(const CChipCatalog& catalog, CodePage cp);
// Fills a fresh catalogue; throws CCliError naming strSource and the offending item.
void CatalogFromJson(const Json& document, const std::string& strSource, CChipCatalog& catalog);
