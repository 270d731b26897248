#include "Commands.h"

#include "CatalogMerge.h"
#include "CliError.h"
#include "DiffReport.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace {

enum MergeExit { mergeDone = 0, mergeConflicts = 1, mergeFailed = 2 };

// Thrown out of the change when the merge brings nothing, so the file is not rewritten.
struct NothingToSave {};

// Items in the order of the target chip they concern; those of none last, as they came.
Json InTargetOrder(std::vector<std::pair<int, Json>> items)
{
    std::stable_sort(items.begin(), items.end(),
                     [](const std::pair<int, Json>& a, const std::pair<int, Json>& b) { return a.first < b.first; });
    Json array = Json::array();
    for (std::pair<int, Json>& item : items)
        array.push_back(std::move(item.second));
    return array;
}

// Carries out the steps on the target and says what they did in diff's terms: "added"
// and "changed" are what diff reports between the target before and after, "types"
// what it reports between the target's type names and FROM's, which stay as they are.
Json ApplyMerge(CChipCatalog& target, const CChipCatalog& from, const MergeOptions& options, CodePage cp)
{
    const CodePage fromCp = options.fromCp.value_or(cp);
    Json added = Json::array();
    std::vector<std::pair<int, Json>> changed, conflicts;
    int nSame = 0;
    auto append = [&](const MergeStep& step) {
        target.AddEmptyEntry();
        const int nNew = target.GetEntryCount() - 1;
        target.SetEntry(nNew, step.strName, from.Entries()[step.nFrom].settings.data());
        added.push_back(ChipRef(target, nNew, cp));
    };
    for (const MergeStep& step : PlanMerge(target, from, cp, options.fromCp)) {
        const ChipSettings& theirs = from.Entries()[step.nFrom].settings;
        if (step.kind == MergeStep::same) {
            ++nSame;
        } else if (step.kind == MergeStep::append || (step.kind == MergeStep::conflict && options.bBoth)) {
            append(step);
        } else if (step.kind == MergeStep::unholdable) {
            conflicts.emplace_back(INT_MAX, Json{{"from", ChipRef(from, step.nFrom, fromCp)}, {"problem", step.strWhy}});
        } else {
            Json fields = FieldChanges(target.Entries()[step.nTarget].settings, theirs);
            Json ref = ChipRef(target, step.nTarget, cp);
            if (options.bTheirs) {
                target.SetEntry(step.nTarget, step.strName, theirs.data());
                changed.emplace_back(step.nTarget, Json{{"old", ref}, {"new", ref}, {"fields", fields}});
            } else {
                conflicts.emplace_back(step.nTarget, Json{{"target", ref}, {"from", ChipRef(from, step.nFrom, fromCp)},
                                                          {"fields", fields}});
            }
        }
    }
    return {{"dry_run", options.bDryRun}, {"types", TypeChanges(target, cp, from, fromCp)}, {"added", added},
            {"changed", InTargetOrder(std::move(changed))}, {"conflicts", InTargetOrder(std::move(conflicts))},
            {"unchanged", nSame}};
}

void PrintReport(std::ostream& out, const Json& report, CodePage cp, CodePage fromCp)
{
    for (const Json& t : report["types"])
        out << TypeChangeText(t) << " (not merged)\n";
    for (const Json& r : report["added"])
        out << "+ " << ChipRefText(r, cp) << '\n';
    for (const Json& c : report["changed"])
        out << ChangedChipText(c, cp) << '\n';
    for (const Json& c : report["conflicts"]) {
        if (c.contains("target"))
            out << "! " << ChipRefText(c["target"], cp) << " (from #" << c["from"]["index"].dump() << ")"
                << FieldChangesText(c["fields"]) << '\n';
        else
            out << "! from " << ChipRefText(c["from"], fromCp) << ": " << c["problem"].get<std::string>() << '\n';
    }
}

// Merges into the target and reports it. The report is out before the save, and a
// report that cannot be written stops the save, so the exit status always tells
// whether the file changed. False when the merge changed nothing.
bool MergeInto(CliContext& ctx, const MergeOptions& options, const CChipCatalog& from, CChipCatalog& target)
{
    const Json report = ApplyMerge(target, from, options, ctx.cp);
    if (options.bJson)
        ctx.out << report.dump(2) << '\n';
    else
        PrintReport(ctx.out, report, ctx.cp, options.fromCp.value_or(ctx.cp));
    if (!ctx.out.flush())
        throw CCliError(ctx.strFile, "cannot write the results, so nothing was merged");
    ctx.nExit = report["conflicts"].empty() ? mergeDone : mergeConflicts;
    return !report["added"].empty() || !report["changed"].empty();
}

void Merge(CliContext& ctx, const MergeOptions& options)
{
    CChipCatalog from;
    const CCatalogFile::LoadResult loaded = LoadCatalogFrom(options.strFrom, from, MissingFile::isError);
    if (loaded.nTrailingBytes > 0)
        ctx.Warn(options.strFrom, std::to_string(loaded.nTrailingBytes) +
                                      " bytes follow its catalogue; only its chips are merged");
    if (options.bDryRun) {
        CChipCatalog target;
        LoadCatalogForChange(ctx, target, MissingFile::isEmpty);
        MergeInto(ctx, options, from, target);
        return;
    }
    try {
        ChangeCatalog(ctx, MissingFile::isEmpty, [&](CChipCatalog& target) {
            if (!MergeInto(ctx, options, from, target))
                throw NothingToSave();
        });
    } catch (const NothingToSave&) {
    }
}

}  // namespace

void RunMerge(CliContext& ctx, const MergeOptions& options)
{
    try {
        Merge(ctx, options);
    } catch (const CCliError& e) {
        throw CCliError(e.GetSubject(), e.what(), mergeFailed);
    }
}
