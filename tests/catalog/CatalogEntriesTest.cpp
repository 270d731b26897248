#include "CatalogTestSupport.h"

namespace {
// The accessors of an entry's settings bytes, each with the value it reads from kBytes.
const ChipSettings kBytes = SettingsOf({0x81, 0x34, 0x12, 0x11, 0x20, 0x10, 0x08, 0x40, 0xA1, 9, 10, 3});
const struct Accessor {
    const char* pszName;
    int (*pfnGet)(const CChipCatalog&, int);
    int nFromBytes;
} kAccessors[] = {
    {"length", [](const CChipCatalog& c, int n) { return int(c.GetLength(n)); }, 0x1234},
    {"power pins", [](const CChipCatalog& c, int n) { return int(c.GetPowerPins(n)); }, 0x81},
    {"address format", [](const CChipCatalog& c, int n) { return int(c.GetAddressFormat(n)); }, 0x11},
    {"clock", [](const CChipCatalog& c, int n) { return int(c.GetClkMask(n)); }, 0x20},
    {"data out", [](const CChipCatalog& c, int n) { return int(c.GetDataOutMask(n)); }, 0x10},
    {"data in", [](const CChipCatalog& c, int n) { return int(c.GetDataInMask(n)); }, 0x08},
    {"write buffer or CS", [](const CChipCatalog& c, int n) { return int(c.GetWriteBufferOrCsMask(n)); }, 0x40},
    {"kind", [](const CChipCatalog& c, int n) { return int(c.GetKind(n)); }, 3},
};
}  // namespace

TEST(CatalogEntries, IndexesOutOfRangeGiveErrorChipAndZeros)
{
    CChipCatalog catalog;
    AddEntry(catalog, "24C16", SettingsOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    for (int nIndex : {-1, 1, 1000}) {
        EXPECT_EQ(catalog.GetEntryName(nIndex), "Error chip");
        for (const Accessor& a : kAccessors)
            EXPECT_EQ(a.pfnGet(catalog, nIndex), 0) << a.pszName << " of " << nIndex;
        EXPECT_EQ(catalog.GetSettings(nIndex), ChipSettings());
    }
}

TEST(CatalogEntries, AccessorsReadTheirBytes)
{
    CChipCatalog catalog;
    AddEntry(catalog, "X", kBytes);
    for (const Accessor& a : kAccessors)
        EXPECT_EQ(a.pfnGet(catalog, 0), a.nFromBytes) << a.pszName;
    AddEntry(catalog, "Y", SettingsOf({0, 0xFF, 0xFF}));
    EXPECT_EQ(catalog.GetLength(1), 65535);
}

TEST(CatalogEntries, AddSetAndRemoveKeepOrderAndNeverAppend)
{
    CChipCatalog catalog;
    catalog.AddEmptyEntry();
    EXPECT_EQ(catalog.GetEntryCount(), 1);
    EXPECT_EQ(catalog.GetEntryName(0), "");
    EXPECT_EQ(catalog.GetSettings(0), ChipSettings());

    const ChipSettings bytes = SettingsOf({5});
    catalog.SetEntry(1, "beyond", bytes.data());
    catalog.SetEntry(-1, "before", bytes.data());
    EXPECT_EQ(catalog.GetEntryCount(), 1);
    EXPECT_EQ(catalog.GetEntryName(0), "");

    catalog.SetEntry(0, "A", bytes.data());
    AddEntry(catalog, "B", SettingsOf({6}));
    AddEntry(catalog, "C", SettingsOf({7}));
    catalog.RemoveEntry(0);
    ASSERT_EQ(catalog.GetEntryCount(), 2);
    EXPECT_EQ(catalog.GetEntryName(0), "B");
    EXPECT_EQ(catalog.GetPowerPins(0), 6);
    EXPECT_EQ(catalog.GetEntryName(1), "C");
    catalog.RemoveEntry(5);
    catalog.RemoveEntry(-1);
    EXPECT_EQ(catalog.GetEntryCount(), 2);
    catalog.RemoveEntry(1);
    EXPECT_EQ(catalog.GetEntryCount(), 1);
    EXPECT_EQ(catalog.GetEntryName(0), "B");
}

TEST(CatalogEntries, EveryResizeKeepsTheEntriesBelowTheNewSize)
{
    // Sizes that cross each step of the array's growth, then shrink.
    const int nSizes[] = {1, 2, 5, 6, 100, 101, 20000, 20001, 3, 0, 7};
    CChipEntryArray list;
    int nOld = 0;
    for (const int nSize : nSizes) {
        SCOPED_TRACE(nSize);
        list.SetSize(nSize);
        ASSERT_EQ(list.GetSize(), nSize);
        for (int n = 0; n < nSize; ++n) {
            const CString strName = n < nOld ? CString(std::to_string(n)) : CString();
            ASSERT_EQ(list[n].name, strName) << n;
        }
        for (int n = nOld; n < nSize; ++n)
            list[n].name = std::to_string(n);
        nOld = nSize;
    }
    list.RemoveAt(0);
    ASSERT_EQ(list.GetSize(), 6);
    EXPECT_EQ(list[0].name, "1");
}

TEST(CatalogEntries, GrowingKeepsEntriesAndAddsEmptyOnes)
{
    CChipEntryArray list;
    list.SetSize(2);
    list[1].name = "kept";
    list[1].settings[0] = 7;
    list.SetSize(1);
    list.SetSize(3);
    EXPECT_EQ(list[1].name, "");  // destroyed by the shrink, empty again
    EXPECT_EQ(list[1].settings, ChipSettings());
    list[0].name = "first";
    list.SetSize(40);
    EXPECT_EQ(list[0].name, "first");
    EXPECT_EQ(list[39].settings, ChipSettings());
}

TEST(CatalogEntries, FindByNameTakesTheFirstMatchAndStopsAtANulByte)
{
    CChipCatalog catalog;
    for (const CString& name : {CString("24C02"), CString("x"), CString(std::string("24C02\0tail", 10)),
                                CString("24c02")})
        AddEntry(catalog, name, ChipSettings());
    EXPECT_EQ(catalog.FindEntryByName("24C02"), 0);
    EXPECT_EQ(catalog.FindEntryByName("24c02"), 3);  // case counts, unlike the list order
    catalog.RemoveEntry(0);
    // The list shows the name up to its NUL byte; finding that row reaches the entry.
    EXPECT_EQ(catalog.FindEntryByName("24C02"), 1);
    EXPECT_EQ(catalog.FindEntryByName("24C0"), -1);
    EXPECT_EQ(catalog.FindEntryByName(""), -1);
}
