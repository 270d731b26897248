#include "Commands.h"

#include "CliError.h"
#include "DiffReport.h"

namespace {

// diff's own exit codes, as diff(1) has them.
enum DiffExit { diffSame = 0, diffDifferent = 1, diffTrouble = 2 };

void Load(const std::string& strPath, CChipCatalog& catalog)
{
    try {
        LoadCatalogFrom(strPath, catalog, MissingFile::isError);
    } catch (const CCliError& e) {
        throw CCliError(e.GetSubject(), e.what(), diffTrouble);
    }
}

}  // namespace

void RunDiff(CliContext& ctx, const DiffOptions& options)
{
    CChipCatalog a, b;
    Load(options.strOld, a);
    Load(options.strNew, b);
    const Json diff = CompareCatalogs(a, b, ctx.cp);
    const bool bDifferent = !diff["types"].empty() || !diff["removed"].empty() || !diff["added"].empty() ||
                            !diff["changed"].empty() || diff["reordered"].get<bool>();
    if (options.bJson)
        ctx.out << diff.dump(2) << '\n';
    else
        PrintComparison(ctx.out, diff, ctx.cp);
    ctx.nExit = bDifferent ? diffDifferent : diffSame;
}
