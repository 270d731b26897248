#include "CatalogApp.h"
#include "CatalogPlace.h"
#include "QtBackend.h"
#include "StartArguments.h"
#include "Templates.h"

#include <cstdio>

CCatalogApp theApp;

namespace {
constexpr int kExitUsage = 2;

// Acts on the command line before any window exists, so that --help, --version and bad
// arguments need no display. Returns -1 when the editor should start.
int TakeArguments(int argc, char** argv)
{
    const CStartArguments args = CStartArguments::Parse(argc, argv);
    CCatalogPlace place;
    CString strError;
    switch (args.m_nAction) {
    case CStartArguments::showHelp:
        std::fputs(CStartArguments::Usage(), stdout);
        return 0;
    case CStartArguments::showVersion:
        std::puts("orvane " ORVANE_VERSION);
        return 0;
    case CStartArguments::badArguments:
        std::fprintf(stderr, "orvane: %s\n", args.m_strMessage.GetString());
        return kExitUsage;
    case CStartArguments::editPath:
        if (!CCatalogPlace::Resolve(args.m_strPath, place, strError) || !place.Enter(strError)) {
            std::fprintf(stderr, "orvane: %s\n", strError.GetString());
            return kExitUsage;
        }
        theApp.m_strShownPath = place.DisplayPath();
        return -1;
    case CStartArguments::askForCatalog:
        theApp.m_bAskForCatalog = true;
        return -1;
    case CStartArguments::editHere:
        return -1;
    }
    return -1;
}
}  // namespace

int main(int argc, char** argv)
{
    const int nExit = TakeArguments(argc, argv);
    if (nExit >= 0)
        return nExit;
    AfxSetResources(&OrvaneResources());
    // The window system sees no argument, so that a file named like one of its options
    // stays a file.
    char* qtArgv[] = {argv[0], nullptr};
    return RunQtApplication(1, qtArgv);
}
