#pragma once

#include "Commands.h"
#include "PartName.h"

#include <optional>

// add --part: reads the part number, fills the values the options leave empty from the
// figures it gives, checks --org and --type against it, and says on stderr what it read
// and assumed. Explicit options win. nType is the position --type gave, if any; the
// result is the type position to use. Throws CCliError when the part number is unknown
// or the options contradict it. m receives the part as read.
int ApplyPart(const CliContext& ctx, const CChipCatalog& catalog, std::optional<int> nType, AddOptions& options,
              PartMatch& m);
