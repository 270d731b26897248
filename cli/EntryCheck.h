#pragma once

#include "ChipCatalog.h"
#include "CodePage.h"

#include <string>
#include <vector>

// The findings of check, also shown as notes by show.

enum class Severity { warning, error };

struct Finding {
    Severity severity = Severity::warning;
    int nEntry = -1;  // -1 for the file as a whole
    std::string strText;
};

// What the forms and the programmer would make of one chip's bytes: pin masks a form
// resets, two pins on one socket line, a kind no form opens, address bits outside
// 1..16, and derived bytes that differ from what the form stores.
void CheckEntry(const ChipSettings& s, int nEntry, std::vector<Finding>& findings);
// Later entries whose name an earlier entry already carries: Edit chip and rm reach
// only the first.
void CheckDuplicateNames(const CChipCatalog& catalog, std::vector<Finding>& findings);
// Compares the file with what a save of the loaded catalogue writes: a file cut short
// inside a count or settings bytes, bytes after the catalogue, and encodings a save
// rewrites.
void CheckFileLayout(const std::vector<BYTE>& file, const CChipCatalog& catalog, std::vector<Finding>& findings);
