#include "CatalogApp.h"
#include "CatalogPlace.h"
#include "StartArguments.h"
#include "Templates.h"

#ifdef _WIN32
#include "NativeConsole.h"
#include "Win32Backend.h"
#else
#include "QtBackend.h"
#endif

#include <cstdio>
#include <string>
#include <vector>

CCatalogApp theApp;

namespace {
constexpr int kExitUsage = 2;

// Help, the version and what is wrong with the arguments go to the terminal; the
// Windows editor has none, so there a message box shows them. The texts are UTF-8, as
// the arguments and paths they may quote are.
void Tell(std::FILE* stream, const CString& strText)
{
#ifdef _WIN32
    std::string strShown = strText.Str();
    while (!strShown.empty() && strShown.back() == '\n')
        strShown.pop_back();
    const UINT nType = stream == stderr ? MB_OK | MB_ICONEXCLAMATION : MB_OK;
    CreateWin32Backend()->MessageBox(CDisplayText::FromUtf8(strShown), "orvane", nType);
#else
    std::fputs(strText, stream);
#endif
}

// Acts on the command line before any window exists, so that --help, --version and bad
// arguments need no display. Returns -1 when the editor should start.
int TakeArguments(int argc, const char* const* argv)
{
    const CStartArguments args = CStartArguments::Parse(argc, argv);
    CCatalogPlace place;
    CString strError;
    switch (args.m_nAction) {
    case CStartArguments::showHelp:
        Tell(stdout, CStartArguments::Usage());
        return 0;
    case CStartArguments::showVersion:
        Tell(stdout, "orvane " ORVANE_VERSION "\n");
        return 0;
    case CStartArguments::badArguments:
        Tell(stderr, CString("orvane: " + MessageText(args.m_strMessage.Str()) + "\n"));
        return kExitUsage;
    case CStartArguments::editPath:
        if (!CCatalogPlace::Resolve(args.m_strPath, place, strError) || !place.Enter(theApp.m_file, strError)) {
            Tell(stderr, CString("orvane: " + MessageText(strError.Str()) + "\n"));
            return kExitUsage;
        }
        return -1;
    case CStartArguments::askForCatalog:
        theApp.m_bAskForCatalog = true;
        return -1;
    case CStartArguments::editHere:
        return -1;
    }
    return -1;
}

int Run(int argc, char** argv)
{
    const int nExit = TakeArguments(argc, argv);
    if (nExit >= 0)
        return nExit;
    AfxSetResources(&OrvaneResources());
#ifdef _WIN32
    return RunWin32Application(1, argv);
#else
    // The window system sees no argument, so that a file named like one of its options
    // stays a file.
    char* qtArgv[] = {argv[0], nullptr};
    std::string strProblem;
    const int nQtExit = RunQtApplication(1, qtArgv, strProblem);
    if (!strProblem.empty())
        Tell(stderr, CString("orvane: " + strProblem + "\n"));
    return nQtExit;
#endif
}
}  // namespace

#ifdef _WIN32
// The UTF-16 command line, in UTF-8 as the program keeps paths: main's own arguments
// are in the ANSI code page, which cannot name every folder.
int wmain(int argc, wchar_t** argv)
{
    std::vector<std::string> args = Utf8Arguments(argc, argv);
    std::vector<char*> pointers;
    for (std::string& strArg : args)
        pointers.push_back(strArg.data());
    pointers.push_back(nullptr);
    return Run(argc, pointers.data());
}
#else
int main(int argc, char** argv)
{
    return Run(argc, argv);
}
#endif
