#pragma once

#include "ChipCatalog.h"
#include "CodePage.h"

#include <optional>
#include <string>
#include <vector>

// How the chips of one catalogue (FROM) meet those of a target catalogue in a merge.
//
// Chips pair by name, as its bytes read in the target's code page. Among the target's
// chips of one name, FROM's chip takes one with the same twelve bytes if there is one,
// and otherwise the first not yet taken, in file order. So a name FROM repeats brings
// each copy the target lacks, a catalogue merged into itself pairs every chip with
// itself, and merging again after a merge changes nothing more.
struct MergeStep {
    enum Kind {
        same,        // the target has this chip already
        append,      // the target has no chip of this name left to pair with
        conflict,    // paired with a target chip of the same name and other bytes
        unholdable,  // the name cannot be written in the target's code page
    };
    Kind kind = same;
    int nFrom = -1;
    int nTarget = -1;     // the paired chip, for same and conflict
    std::string strName;  // the name in the target's page, for append and conflict
    std::string strWhy;   // why the name cannot be converted, for unholdable
};

// One step for each chip of FROM, in FROM's order. With fromCp the names of FROM are in
// that page and are converted into the target's; without, they are taken as they are.
std::vector<MergeStep> PlanMerge(const CChipCatalog& target, const CChipCatalog& from, CodePage targetCp,
                                 std::optional<CodePage> fromCp);
