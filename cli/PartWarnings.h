#pragma once

#include "CliContext.h"
#include "EntryCheck.h"
#include "PartCheck.h"

#include <optional>
#include <string>

// The part-number check in orvane-cli's words: findings for check, warnings for add and
// edit.

// One line for a contradiction of chip nKind: "length 4096 differs from the part number:
// 24LC64 (24xx64) holds 8192 bytes". strChipOrg names what gave the chip its organisation:
// the type's label, or an option.
std::string PartWarningText(const PartMatch& m, const PartContradiction& c, int nKind, const std::string& strChipOrg);

// check: every chip whose name holds a part number its settings contradict, and those of
// parts whose size the Length field cannot hold.
void CheckPartNumbers(const CChipCatalog& catalog, CodePage cp, std::vector<Finding>& findings);

// add and edit: where entry nIndex, as stored now, contradicts part m, a warning on
// stderr, one line each. pBefore is the chip before an edit that kept its name (only what
// the edit changed is reported); nOrg is an organisation add was given (8 or 16), which
// stands where the type names none.
void WarnPartContradictions(const CliContext& ctx, const CChipCatalog& catalog, int nIndex, const PartMatch& m,
                            const PartChip* pBefore = nullptr, std::optional<int> nOrg = std::nullopt);

// "type 1 \"Microwire x8\"", for messages.
std::string TypeLabel(const CChipCatalog& catalog, int nType, CodePage cp);
