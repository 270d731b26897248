#include "CatalogTestSupport.h"

#include <algorithm>
#include <string>

namespace {

// A catalogue that uses every prefix form a name of its size can have.
void FillSample(CChipCatalog& catalog)
{
    catalog.AddTypeName("I2C");
    catalog.AddTypeName("Microwire 93C46");
    catalog.AddTypeName("");
    AddEntry(catalog, "24C02", SettingsOf({0x80, 0, 1, 1, 0x20, 0x10, 0x10, 8, 0xA0, 0, 0x10, 0}));
    AddEntry(catalog, CString('n', 300), SettingsOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    AddEntry(catalog, "", SettingsOf({0xFF, 0xFE, 0xFD}));
    AddEntry(catalog, "24C02", SettingsOf({7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7}));
}

void ExpectSameCatalog(const CChipCatalog& a, const CChipCatalog& b)
{
    ASSERT_EQ(a.GetTypeCount(), b.GetTypeCount());
    for (int i = 0; i < a.GetTypeCount(); ++i)
        EXPECT_EQ(a.GetTypeName(i), b.GetTypeName(i)) << i;
    ASSERT_EQ(a.GetEntryCount(), b.GetEntryCount());
    for (int i = 0; i < a.GetEntryCount(); ++i) {
        EXPECT_EQ(a.GetEntryName(i), b.GetEntryName(i)) << i;
        EXPECT_EQ(a.GetSettings(i), b.GetSettings(i)) << i;
    }
}

CArchiveException LoadFailure(const Bytes& bytes, CChipCatalog* pCatalog = nullptr)
{
    CChipCatalog local;
    CChipCatalog& catalog = pCatalog ? *pCatalog : local;
    try {
        LoadBytes(catalog, bytes);
    } catch (const CArchiveException& e) {
        return e;
    }
    ADD_FAILURE() << "the load did not fail";
    return CArchiveException(CArchiveException::none, "");
}

}  // namespace

TEST(CatalogFormat, ExamplesStoreTheDocumentedBytes)
{
    CChipCatalog empty;
    EXPECT_EQ(CCatalogFile::StoreToBytes(empty), Hex("00 00  00 00 00 00"));

    CChipCatalog one;
    one.AddTypeName("I2C");
    AddEntry(one, "A", SettingsOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(CCatalogFile::StoreToBytes(one),
              Hex("01 00 03 49 32 43  01 00 00 00  01 41  01 02 03 04 05 06 07 08 09 0A 0B 0C"));
}

TEST(CatalogFormat, StoreThenLoadGivesTheSameCatalogueAndTheSameBytes)
{
    CChipCatalog original;
    FillSample(original);
    Bytes first = CCatalogFile::StoreToBytes(original);
    EXPECT_EQ(CCatalogFile::StoreToBytes(original), first);

    CChipCatalog loaded;
    LoadBytes(loaded, first);
    ExpectSameCatalog(original, loaded);
    EXPECT_EQ(CCatalogFile::StoreToBytes(loaded), first);

    CChipCatalog empty;
    LoadBytes(empty, CCatalogFile::StoreToBytes(CChipCatalog()));
    EXPECT_EQ(empty.GetTypeCount(), 0);
    EXPECT_EQ(empty.GetEntryCount(), 0);
}

TEST(CatalogFormat, LoadingReplacesWhatTheCatalogueHeld)
{
    CChipCatalog five;
    for (int i = 0; i < 5; ++i)
        AddEntry(five, CString(std::to_string(i)), SettingsOf({i, i, i}));
    CChipCatalog target;
    FillSample(target);
    for (int i = 0; i < 6; ++i)
        AddEntry(target, "old", SettingsOf({0xEE}));
    LoadBytes(target, CCatalogFile::StoreToBytes(five));
    ExpectSameCatalog(five, target);
    EXPECT_EQ(target.Entries().GetCapacity(), 13);  // the storage stays where it suffices

    CChipCatalog fresh;
    LoadBytes(fresh, CCatalogFile::StoreToBytes(five));
    ExpectSameCatalog(five, fresh);
    EXPECT_EQ(fresh.Entries().GetCapacity(), 5);  // a first allocation is exact
}

// Every cut of a valid file either loads (the count or the last entry's settings cut
// short, with the missing bytes left as they were) or fails with an archive failure.
TEST(CatalogFormat, EveryTruncationLoadsOrFailsAsTheFormatSays)
{
    CChipCatalog sample;
    FillSample(sample);
    const Bytes full = CCatalogFile::StoreToBytes(sample);
    CArchive types;
    types << sample.Types();
    const std::size_t nCountAt = types.GetPosition();
    const std::size_t nLastSettingsAt = full.size() - ChipSettings::Size;

    for (std::size_t nCut = 0; nCut <= full.size(); ++nCut) {
        Bytes cut(full.begin(), full.begin() + static_cast<long>(nCut));
        bool bInCount = nCut >= nCountAt && nCut < nCountAt + 4;
        bool bCountReadsZero = bInCount && std::all_of(cut.begin() + static_cast<long>(nCountAt),
                                                       cut.end(), [](BYTE b) { return b == 0; });
        bool bLoads = nCut >= nLastSettingsAt || bCountReadsZero;
        CChipCatalog catalog;
        if (!bLoads) {
            EXPECT_THROW(LoadBytes(catalog, cut), CArchiveException) << nCut;
            continue;
        }
        ASSERT_NO_THROW(LoadBytes(catalog, cut)) << nCut;
        if (bInCount) {
            EXPECT_EQ(catalog.GetEntryCount(), 0) << nCut;
            continue;
        }
        ChipSettings expected = sample.GetSettings(3);
        for (std::size_t i = nCut - nLastSettingsAt; i < ChipSettings::Size; ++i)
            expected[static_cast<int>(i)] = 0;
        EXPECT_EQ(catalog.GetEntryCount(), 4) << nCut;
        EXPECT_EQ(catalog.GetSettings(3), expected) << nCut;
    }
}

TEST(CatalogFormat, ShortCountsAndSettingsKeepTheBytesAlreadyThere)
{
    // The count starts as the current entry count: cut before it, three entries are
    // still expected and missing; one zero byte read over the 3 makes it 0.
    CChipCatalog three;
    for (int i = 0; i < 3; ++i)
        three.AddEmptyEntry();
    EXPECT_THROW(LoadBytes(three, Hex("00 00")), CArchiveException);
    LoadBytes(three, Hex("00 00 00"));
    EXPECT_EQ(three.GetEntryCount(), 0);

    CChipCatalog holder;
    AddEntry(holder, "B", SettingsOf({9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9}));
    LoadBytes(holder, Hex("00 00  01 00 00 00  01 41  01 02 03 04 05"));
    EXPECT_EQ(holder.GetEntryName(0), "A");
    EXPECT_EQ(holder.GetSettings(0), SettingsOf({1, 2, 3, 4, 5, 9, 9, 9, 9, 9, 9, 9}));
}

TEST(CatalogFormat, HostileCountsFailAsDamagedBeforeAnythingIsAllocated)
{
    struct Case { const char* pszBytes; int nCause; const char* pszWhat; };
    const Case cases[] = {
        {"", CArchiveException::endOfFile, "type count"},
        {"00 00 FF FF FF 7F 00 00 00 00 00 00 00 00 00 00 00 00 00 00",
         CArchiveException::badIndex, "entry count"},
        {"00 00 FF FF FF FF 01 41", CArchiveException::badIndex, "entry count"},
        {"00 00 00 00 00 80", CArchiveException::badIndex, "entry count"},
        {"FF FF FE FF FF FF 00", CArchiveException::badIndex, "type count"},
        {"FF FF FF FF FF FF FF FF FF FF FF FF FF 7F 00", CArchiveException::badIndex, "type count"},
        {"FF FF 05 00", CArchiveException::endOfFile, "type count"},
        {"01 00 FF FF FF FE FF FF FF 41", CArchiveException::endOfFile, "type name 0"},
        {"01 00 00 02 00 00 00 01 41 01 02 03 04 05 06 07 08 09 0A 0B 0C FF",
         CArchiveException::endOfFile, "entry 1 name"},
    };
    for (const Case& c : cases) {
        CChipCatalog catalog;
        CArchiveException e = LoadFailure(Hex(c.pszBytes), &catalog);
        EXPECT_EQ(e.m_cause, c.nCause) << c.pszBytes;
        EXPECT_EQ(e.m_strWhat, c.pszWhat) << c.pszBytes;
        EXPECT_EQ(e.m_strFileName, "Progr.ini");
        if (c.nCause == CArchiveException::badIndex) {
            EXPECT_EQ(catalog.Entries().GetCapacity(), 0) << c.pszBytes;
        }
    }
}

TEST(CatalogFormat, DamageMessagesNameTheItemAndItsOffset)
{
    CChipCatalog sample;
    FillSample(sample);
    Bytes full = CCatalogFile::StoreToBytes(sample);
    // Cut in the middle of the 300-character name of entry 1.
    std::size_t nEntry1At = full.size() - 12 - 6 - 12 - 1 - 12 - 303;
    Bytes cut(full.begin(), full.begin() + static_cast<long>(nEntry1At + 100));
    CArchiveException e = LoadFailure(cut);
    EXPECT_EQ(e.GetErrorMessage(), "An attempt was made to access Progr.ini past its end (entry 1 name, "
                                   "byte offset " + std::to_string(nEntry1At) + ").");

    CArchiveException big = LoadFailure(Hex("00 00 FF FF FF 7F 00"));
    EXPECT_EQ(big.GetErrorMessage(), "Progr.ini has a bad format (entry count, byte offset 2: "
                                     "the entry count is larger than the bytes left).");
}
