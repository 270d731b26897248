#include "CliCommandLine.h"

#include "ChipView.h"
#include "CliError.h"
#include "Commands.h"

#include <CLI/CLI.hpp>

#include <memory>

CLI::Validator NativePath()
{
    return CLI::Validator("FILE");
}

namespace {

const char* const kChipHelp = "The chip: its name (the first chip of that name, as Edit chip finds it), or #INDEX in file order";
const char* const kFooter = "Global options (-f FILE, --codepage) may come before or after the subcommand.";
const char* const kMergeFooter =
    "A chip of FROM whose name the catalogue lacks is appended; one with the same name and\n"
    "the same twelve bytes is left out; one with the same name and other bytes is a conflict,\n"
    "and so is a name the catalogue's code page cannot hold. Chips of one name pair in file\n"
    "order, an identical one first: a name FROM repeats brings each copy the catalogue lacks,\n"
    "and merging again changes nothing. Type names are not merged; where they differ, the\n"
    "output says so. It reads as diff's: + appended, ~ replaced (--theirs), ! conflict left.\n";

// Adds subcommands to app one after another; sub is the one added last, for its options.
struct CommandAdder {
    CLI::App& app;
    CliContext& ctx;
    CLI::App* sub = nullptr;

    CLI::App* Subcommand(const char* pszName, const char* pszHelp)
    {
        sub = app.add_subcommand(pszName, pszHelp);
        sub->footer(kFooter);
        return sub;
    }

    // A subcommand whose options fill an Options value that run is called with.
    template <class Options>
    Options& Command(const char* pszName, const char* pszHelp, void (*run)(CliContext&, const Options&))
    {
        auto options = std::make_shared<Options>();
        Subcommand(pszName, pszHelp)->callback([&context = ctx, options, run] { run(context, *options); });
        return *options;
    }
};

void AddChipSelector(CLI::App* sub, ChipSelector& chip)
{
    sub->add_option("chip", chip.strText, kChipHelp)->required();
    sub->add_flag("--hex", chip.bHex, "The chip is given by the hex bytes of its name");
}

// Bytes after the catalogue are dropped by a save only when asked.
void AddForceOption(CommandAdder& cmd)
{
    cmd.sub->add_flag("--force", cmd.ctx.bForce, "Save even if bytes after the catalogue are dropped");
}

void AddJsonFlag(CLI::App* sub, bool& bJson)
{
    sub->add_flag("--json", bJson, "As JSON");
}

void AddValueOptions(CLI::App* sub, ChipValueOptions& values)
{
    sub->add_option("--power-pins", values.strPowerPins, "Power pins: a list such as 1,3,8, \"none\", or a mask 0x85");
    for (int i = 0; i < static_cast<int>(ChipValue::none); ++i) {
        const ChipValue value = static_cast<ChipValue>(i);
        const ChipValueInfo& info = ChipValueInfoOf(value);
        if (!info.IsTyped())
            continue;
        // "Pin DATA of an I2C chip, 0..8", naming the family whose form alone has the value.
        const char* pszOnly = !FindChipField(ChipFamily::microwire, value) ? " of an I2C chip"
                              : !FindChipField(ChipFamily::i2c, value)     ? " of a Microwire chip" : "";
        sub->add_option(info.pszOption, values[value], info.ShownLabel() + std::string(pszOnly) + ", " + info.RangeText());
    }
}

void AddReadCommands(CommandAdder& cmd)
{
    ListOptions& list =
        cmd.Command("list", "List the chips in the editor's order, with index, kind and length", RunList);
    cmd.sub->add_flag("--file-order", list.bFileOrder, "In file order instead");
    AddJsonFlag(cmd.sub, list.bJson);
    cmd.sub->add_option("--name", list.strPattern, "Only names matching this pattern (* and ?, letters without case)");
    cmd.sub->add_option("--family", list.strFamily, "Only this family")
        ->check(CLI::IsMember({"i2c", "microwire", "other"}));

    ShowOptions& show = cmd.Command("show", "Show one chip as its form shows it, with its raw bytes", RunShow);
    AddChipSelector(cmd.sub, show.chip);
    AddJsonFlag(cmd.sub, show.bJson);

    auto bTypesJson = std::make_shared<bool>(false);
    cmd.Subcommand("types", "List the type names with their positions and the form each opens");
    AddJsonFlag(cmd.sub, *bTypesJson);
    cmd.sub->callback([&ctx = cmd.ctx, bTypesJson] { RunTypes(ctx, *bTypesJson); });

    cmd.Subcommand("check", "Check the file and every chip; exit 0 clean, 1 warnings, 2 errors");
    cmd.sub->callback([&ctx = cmd.ctx] { RunCheck(ctx); });

    PartsOptions& parts =
        cmd.Command("parts", "The serial EEPROM families Orvane knows, or how it reads a part number", RunParts);
    cmd.sub->add_option("pattern", parts.strPattern, "Only families matching this pattern (* and ?), or a part number");
    AddJsonFlag(cmd.sub, parts.bJson);

    cmd.Subcommand("dump", "Annotated hex dump of the file, every field with its offset");
    cmd.sub->callback([&ctx = cmd.ctx] { RunDump(ctx); });

    DiffOptions& diff =
        cmd.Command("diff", "Chips added, removed or changed from OLD to NEW; exit 0 same, 1 different", RunDiff);
    cmd.sub->add_option("old", diff.strOld, "The older catalogue file")->transform(NativePath())->required();
    cmd.sub->add_option("new", diff.strNew, "The newer catalogue file")->transform(NativePath())->required();
    AddJsonFlag(cmd.sub, diff.bJson);
}

void AddTransferCommands(CommandAdder& cmd)
{
    ExportOptions& exp =
        cmd.Command("export", "Write the catalogue as JSON (which import reads back) or CSV", RunExport);
    cmd.sub->add_option("--format", exp.strFormat, "json or csv")->check(CLI::IsMember({"json", "csv"}));
    cmd.sub->add_option("-o,--output", exp.strOutput, "Write to this file instead of standard output")
        ->transform(NativePath());

    ImportOptions& imp = cmd.Command("import", "Make the catalogue file from exported JSON, byte for byte", RunImport);
    cmd.sub->add_option("json", imp.strInput, "The JSON file, or - for standard input")
        ->transform(NativePath())
        ->required();
    cmd.sub->add_flag("--force", imp.bForce, "Replace the catalogue file if it exists");
}

void AddMergeCommand(CommandAdder& cmd)
{
    MergeOptions& merge = cmd.Command("merge",
                                      "Append the chips of FROM that the catalogue lacks, exactly as FROM stores them; "
                                      "exit 0 merged or nothing to do, 1 conflicts left, 2 failure",
                                      RunMerge);
    cmd.sub->footer(std::string(kMergeFooter) + kFooter);
    cmd.sub->add_option("from", merge.strFrom, "The catalogue file to take chips from; it is only read")
        ->transform(NativePath())
        ->required();
    CLI::Option* theirs = cmd.sub->add_flag("--theirs", merge.bTheirs,
                                            "On a conflict, take FROM's chip in place of the catalogue's");
    cmd.sub->add_flag("--both", merge.bBoth, "On a conflict, keep the catalogue's chip and append FROM's as well "
                      "(the windows reach the first chip of a name)")
        ->excludes(theirs);
    cmd.sub->add_flag("--dry-run", merge.bDryRun, "Only print what the merge would do");
    AddJsonFlag(cmd.sub, merge.bJson);
    cmd.sub->add_option_function<int>(
        "--from-codepage",
        [&merge](const int& nPage) {
            CodePage cp = CodePage::Windows1252;
            if (!CodePageFromNumber(nPage, cp))
                throw CCliError("--from-codepage", CodePageRefusal(nPage), exitUsage);
            merge.fromCp = cp;
        },
        "Code page of FROM's names, which are converted into the catalogue's (default: the same page)");
    AddForceOption(cmd);
}

void AddChangeCommands(CommandAdder& cmd)
{
    AddOptions& add =
        cmd.Command("add", "Add a chip as Add New does, with the form's defaults for what is not given", RunAdd);
    cmd.sub->add_option("name", add.strName, "The chip name (default: the --part text)");
    cmd.sub->add_flag("--hex", add.bHex, "The name is given as hex bytes");
    cmd.sub->add_option("--type", add.strType,
                        "The type: position 0..3 or a type name (0 I2C, 1..3 Microwire); --part can choose it");
    AddValueOptions(cmd.sub, add.values);
    cmd.sub->add_option("--part", add.strPart, "A part number such as 24LC256 or 93C66: its length, page and address "
                                               "bits fill the values not given (orvane-cli parts lists them)");
    cmd.sub->add_option("--org", add.nOrg, "Organisation of a Microwire --part: 8 or 16")
        ->check(CLI::IsMember({8, 16}));
    AddForceOption(cmd);

    EditOptions& edit =
        cmd.Command("edit", "Change a chip as its form does on OK, which also recomputes the derived bytes", RunEdit);
    AddChipSelector(cmd.sub, edit.chip);
    cmd.sub->add_option("--name", edit.strNewName, "New name");
    cmd.sub->add_flag("--name-hex", edit.bNewNameHex, "The new name is given as hex bytes");
    AddValueOptions(cmd.sub, edit.values);
    AddForceOption(cmd);

    ChipSelector& rm =
        cmd.Command("rm", "Remove a chip; a name removes the first chip of that name, as Delete Chip does", RunRemove);
    AddChipSelector(cmd.sub, rm);
    AddForceOption(cmd);

    RenameTypeOptions& rename = cmd.Command("rename-type", "Rename a type name, as Edit Type does", RunRenameType);
    cmd.sub->add_option("type", rename.strType, "Its position, or its current name")->required();
    cmd.sub->add_option("new-name", rename.strNewName, "The new name")->required();
    cmd.sub->add_flag("--hex", rename.bHex, "The new name is given as hex bytes");
    AddForceOption(cmd);

    AddMergeCommand(cmd);
}

}  // namespace

void AddSubcommands(CLI::App& app, CliContext& ctx)
{
    CommandAdder cmd{app, ctx};
    AddReadCommands(cmd);
    AddTransferCommands(cmd);
    AddChangeCommands(cmd);
}
