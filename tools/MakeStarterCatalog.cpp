#include "CatalogFile.h"
#include "ChipCatalog.h"
#include "StarterCatalog.h"

#include <cstdio>

// Writes the starter catalogue to the path given, normally examples/Progr.ini.
int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s PATH\n", argv[0]);
        return 2;
    }
    CChipCatalog catalog;
    BuildStarterCatalog(catalog);
    CCatalogFile::SaveResult result = CCatalogFile::Save(catalog, argv[1]);
    if (!result.Ok()) {
        std::fprintf(stderr, "%s\n", result.strMessage.GetString());
        return 1;
    }
    return 0;
}
