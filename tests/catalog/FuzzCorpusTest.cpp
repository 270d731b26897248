#include "CatalogTestSupport.h"

#include <dirent.h>

// Replays the fuzz target's seed corpus: every file must load or fail with an archive
// failure, and whatever loads must survive a store and a second load unchanged.
TEST(FuzzCorpus, EverySeedLoadsOrFailsCleanly)
{
    const std::string dir = std::string(ORVANE_SOURCE_DIR) + "/fuzz/corpus/load";
    DIR* d = ::opendir(dir.c_str());
    ASSERT_NE(d, nullptr) << dir;
    int nFiles = 0;
    int nLoaded = 0;
    while (dirent* e = ::readdir(d)) {
        std::string name = e->d_name;
        if (name[0] == '.')
            continue;
        ++nFiles;
        Bytes bytes = ReadFileBytes(dir + "/" + name);
        CChipCatalog catalog;
        try {
            LoadBytes(catalog, bytes);
            ++nLoaded;
            Bytes stored = CCatalogFile::StoreToBytes(catalog);
            CChipCatalog again;
            LoadBytes(again, stored);
            EXPECT_EQ(CCatalogFile::StoreToBytes(again), stored) << name;
        } catch (const CArchiveException& e) {
            EXPECT_NE(std::string(e.what()).find("Progr.ini"), std::string::npos) << name;
        }
    }
    ::closedir(d);
    EXPECT_GE(nFiles, 10);
    EXPECT_GE(nLoaded, 3);
}
