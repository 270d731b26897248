#include "CliApp.h"

#include "CliCommandLine.h"
#include "CliError.h"
#include "NameText.h"
#include "VirtualStore.h"

#include <CLI/CLI.hpp>

#include <new>

#ifndef ORVANE_VERSION
#define ORVANE_VERSION "unknown"
#endif

namespace {

// Works on the VirtualStore copy of the file where Windows shows the programmer's own
// software that copy, and says so once.
void UseVirtualStoreCopy(CliContext& ctx)
{
    const std::string strCopy = CVirtualStore::ExistingCopyOf(ctx.strFile);
    if (strCopy.empty())
        return;
    ctx.err << MessageText("orvane-cli: " + ctx.strFile + ": note: using its VirtualStore copy " + strCopy +
                           ", which the programmer's own software reads and writes")
            << '\n';
    ctx.strFile = strCopy;
}

void AddGlobalOptions(CLI::App& app, CliContext& ctx)
{
    app.set_version_flag("--version", "orvane-cli " ORVANE_VERSION);
    app.add_option("-f,--file", ctx.strFile, "The catalogue file (default: Progr.ini in the working directory)")
        ->transform(NativePath());
    app.add_option_function<int>(
        "--codepage",
        [&ctx](const int& nPage) {
            if (!CodePageFromNumber(nPage, ctx.cp))
                throw CCliError("--codepage", CodePageRefusal(nPage), exitUsage);
            ctx.strPageRefusal.clear();
        },
        "Code page of the names: 874, 1250 to 1258, 932, 936, 949, 950 or 65001 (default: the system's, "
        "as the editor)");
    // Before any command runs, so that no name is read or written in a page it is not in,
    // and every command works on the file the programmer's software reads. CLI11 keeps one
    // such callback, so both steps stand in it.
    app.parse_complete_callback([&ctx] {
        if (!ctx.strPageRefusal.empty())
            throw CCliError("", "the system's " + ctx.strPageRefusal + "; name the page the names are in " +
                                    "with --codepage", exitUsage);
        UseVirtualStoreCopy(ctx);
    });
    app.require_subcommand(1);
    // Global options may also follow the subcommand: "orvane-cli list -f x.ini".
    app.fallthrough();
}

int ReportUsage(const CLI::ParseError& e, CLI::App& app, std::ostream& out, std::ostream& err)
{
    if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success))
        return app.exit(e, out, err);  // --help and --version
    err << MessageText(std::string("orvane-cli: ") + e.what()) << "\nRun with --help for more information.\n";
    return exitUsage;
}

}  // namespace

int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err, int nSystemCodePage)
{
    CliContext ctx(out, err);
    if (!CodePageFromNumber(nSystemCodePage, ctx.cp))
        ctx.strPageRefusal = CodePageRefusal(nSystemCodePage);
    CLI::App app("Lists, checks and changes a chip catalogue (Progr.ini) the way the editor does.",
                 "orvane-cli");
    AddGlobalOptions(app, ctx);
    AddSubcommands(app, ctx);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return ReportUsage(e, app, out, err);
    } catch (const CCliError& e) {
        err << MessageText("orvane-cli: " + (e.GetSubject().empty() ? "" : e.GetSubject() + ": ") + e.what())
            << '\n';
        return e.GetExitCode();
    } catch (const std::bad_alloc&) {
        err << MessageText("orvane-cli: " + ctx.strFile + ": out of memory") << '\n';
        return exitFailure;
    }
    out.flush();
    if (!out) {
        err << "orvane-cli: cannot write the results\n";
        return exitFailure;
    }
    return ctx.nExit;
}
