#include "CatalogApp.h"
#include "CatalogPlace.h"
#include "StartArguments.h"
#include "Templates.h"
#include "Win32Backend.h"

#include <cstdio>

// The editor's start on Windows as far as its sources build there today: arguments as
// app/main.cpp takes them, then the Win32 backend.
CCatalogApp theApp;

int main(int argc, char** argv)
{
    const CStartArguments args = CStartArguments::Parse(argc, argv);
    if (args.m_nAction == CStartArguments::badArguments) {
        std::fprintf(stderr, "orvane: %s\n", args.m_strMessage.GetString());
        return 2;
    }
    if (args.m_nAction == CStartArguments::editPath) {
        CCatalogPlace place;
        CString strError;
        if (!CCatalogPlace::Resolve(args.m_strPath, place, strError) || !place.Enter(strError)) {
            std::fprintf(stderr, "orvane: %s\n", strError.GetString());
            return 2;
        }
        theApp.m_strShownPath = place.DisplayPath();
    }
    theApp.m_bAskForCatalog = args.m_nAction == CStartArguments::askForCatalog;
    AfxSetResources(&OrvaneResources());
    return RunWin32Application(1, argv);
}
