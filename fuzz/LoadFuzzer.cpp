#include "Archive.h"
#include "CatalogFile.h"
#include "ChipCatalog.h"

#include <cstdlib>

// Any input must load or fail with an archive failure; whatever loads must store, and
// the stored bytes must load back to a catalogue that stores the same bytes again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    CChipCatalog catalog;
    try {
        CCatalogFile::LoadFromBytes(catalog, pData, nSize, "Progr.ini");
    } catch (const CArchiveException&) {
        return 0;
    }
    std::vector<BYTE> stored = CCatalogFile::StoreToBytes(catalog);
    CChipCatalog again;
    CCatalogFile::LoadFromBytes(again, stored.data(), stored.size(), "stored");
    if (CCatalogFile::StoreToBytes(again) != stored)
        std::abort();
    return 0;
}
