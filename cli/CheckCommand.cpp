#include "Commands.h"

#include "CliError.h"
#include "EntryCheck.h"
#include "PartWarnings.h"

#include <algorithm>

namespace {

// check's own exit codes: the worst finding decides.
enum CheckExit { checkClean = 0, checkWarnings = 1, checkErrors = 2 };

std::string FindingLine(const CliContext& ctx, const CChipCatalog& catalog, const Finding& finding)
{
    std::string strLine = ctx.strFile + ": ";
    if (finding.nEntry >= 0)
        strLine += EntryLabel(catalog, finding.nEntry, ctx.cp) + ": ";
    strLine += finding.severity == Severity::error ? "error: " : "warning: ";
    return strLine + finding.strText + '\n';
}

std::string Count(int n, const char* pszWhat)
{
    return std::to_string(n) + " " + pszWhat + (n == 1 ? "" : "s");
}

void Report(CliContext& ctx, const CChipCatalog& catalog, bool bLoaded, std::vector<Finding>& findings)
{
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.nEntry < b.nEntry; });
    std::string out;
    int nErrors = 0;
    for (const Finding& finding : findings) {
        out += FindingLine(ctx, catalog, finding);
        nErrors += finding.severity == Severity::error;
    }
    const int nWarnings = static_cast<int>(findings.size()) - nErrors;
    out += ctx.strFile + ": " + (bLoaded ? std::to_string(catalog.GetEntryCount()) + " chips, " : "not loaded, ") +
           Count(nErrors, "error") + ", " + Count(nWarnings, "warning") + "\n";
    ctx.out << out;
    ctx.nExit = nErrors ? checkErrors : nWarnings ? checkWarnings : checkClean;
}

}  // namespace

void RunCheck(CliContext& ctx)
{
    CChipCatalog catalog;
    std::vector<BYTE> bytes;
    const CCatalogFile::LoadResult result =
        LoadCatalogFrom(ctx.strFile, catalog, MissingFile::isError, &bytes, checkErrors);
    std::vector<Finding> findings;
    if (result.status == CCatalogFile::damaged) {
        // Nothing after the break can be trusted; dump shows the part before it.
        findings.push_back({Severity::error, -1, "damaged: " + result.strMessage.Str()});
        CChipCatalog empty;
        Report(ctx, empty, false, findings);
        return;
    }
    CheckFileLayout(bytes, catalog, findings);
    std::vector<BYTE>().swap(bytes);
    const CChipEntryArray& entries = catalog.Entries();
    for (int i = 0; i < entries.GetSize(); ++i)
        CheckEntry(entries[i].settings, i, findings);
    CheckDuplicateNames(catalog, findings);
    CheckPartNumbers(catalog, ctx.cp, findings);
    Report(ctx, catalog, true, findings);
}
