#pragma once

#include "CatalogAccess.h"
#include "ChipRules.h"
#include "CliContext.h"

#include <optional>
#include <string>

// The subcommands, each run on an options record filled by the command line. Results go
// to ctx.out; a failure throws CCliError; check, diff and merge leave their verdict in
// ctx.nExit.

struct ListOptions {
    bool bFileOrder = false;
    bool bJson = false;
    std::string strPattern;  // empty: every name
    std::string strFamily;   // empty, "i2c", "microwire" or "other"
};

struct ShowOptions {
    ChipSelector chip;
    bool bJson = false;
};

struct ExportOptions {
    std::string strFormat = "json";
    std::string strOutput;  // empty or "-": standard output
};

struct ImportOptions {
    std::string strInput;  // "-": standard input
    bool bForce = false;
};

// Values for add and edit, by the form's value they set; an empty one leaves it as it is.
struct ChipValueOptions {
    std::optional<std::string> strPowerPins;  // "1,3,8", "none" or a mask "0x85"
    std::optional<int> values[static_cast<int>(ChipValue::none)];

    std::optional<int>& operator[](ChipValue value) { return values[static_cast<int>(value)]; }
    const std::optional<int>& operator[](ChipValue value) const { return values[static_cast<int>(value)]; }
};

struct AddOptions {
    std::optional<std::string> strName;  // none: the --part text
    bool bHex = false;
    std::string strType;  // a position 0..3 or a type name; empty: chosen by --part
    ChipValueOptions values;
    std::optional<std::string> strPart;  // a part number whose figures fill the values not given
    std::optional<int> nOrg;             // 8 or 16, for a Microwire part
};

struct EditOptions {
    ChipSelector chip;
    std::optional<std::string> strNewName;
    bool bNewNameHex = false;
    ChipValueOptions values;
};

struct RenameTypeOptions {
    std::string strType;  // a position or the current name
    std::string strNewName;
    bool bHex = false;
};

struct PartsOptions {
    std::string strPattern;  // empty: every family
    bool bJson = false;
};

struct DiffOptions {
    std::string strOld;
    std::string strNew;
    bool bJson = false;
};

struct MergeOptions {
    std::string strFrom;
    bool bTheirs = false;  // a conflict takes FROM's chip in the target's place
    bool bBoth = false;    // a conflict appends FROM's chip as well
    bool bDryRun = false;
    bool bJson = false;
    std::optional<CodePage> fromCp;  // none: FROM's names are in the target's page
};

void RunList(CliContext& ctx, const ListOptions& options);
void RunShow(CliContext& ctx, const ShowOptions& options);
void RunTypes(CliContext& ctx, bool bJson);
void RunCheck(CliContext& ctx);
void RunExport(CliContext& ctx, const ExportOptions& options);
void RunImport(CliContext& ctx, const ImportOptions& options);
void RunAdd(CliContext& ctx, const AddOptions& options);
void RunEdit(CliContext& ctx, const EditOptions& options);
void RunRemove(CliContext& ctx, const ChipSelector& chip);
void RunRenameType(CliContext& ctx, const RenameTypeOptions& options);
void RunDump(CliContext& ctx);
void RunDiff(CliContext& ctx, const DiffOptions& options);
void RunMerge(CliContext& ctx, const MergeOptions& options);
void RunParts(CliContext& ctx, const PartsOptions& options);
