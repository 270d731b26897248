#include "support/ChipTypesFixture.h"

#include "PinConversions.h"
#include "StarterCatalog.h"

#include <cstdio>
#include <set>

namespace types_test {
namespace {

const char* const kStarterPath = ORVANE_SOURCE_DIR "/examples/Progr.ini";

Bytes ReadStarterFile()
{
    std::ifstream in(kStarterPath, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void LoadStarter(CChipCatalog& catalog)
{
    CCatalogFile::LoadResult result = CCatalogFile::Load(catalog, kStarterPath);
    ASSERT_EQ(result.status, CCatalogFile::loaded) << result.strMessage.GetString();
}

// Capacity in bytes from the part number: 24C<kbit> and 93C46..93C86 (1 to 16 kbit).
int LengthFromName(const CString& strName)
{
    int nNumber = 0;
    if (std::sscanf(strName, "24C%d", &nNumber) == 1)
        return nNumber * 128;
    if (std::sscanf(strName, "93C%d", &nNumber) == 1)
        return 128 << ((nNumber - 46) / 10);
    return -1;
}

// Microwire parts send an odd number of address bits when byte-organised (rounding up
// where the array needs an even count), one fewer when word-organised.
int MicrowireAddressBits(int nLength, bool b16Bits)
{
    int nBits = 0;
    while ((1 << nBits) < nLength)
        ++nBits;
    if (nBits % 2 == 0)
        ++nBits;
    return b16Bits ? nBits - 1 : nBits;
}

bool IsWordOrganised(const CString& strName)
{
    return std::string(strName).find(" x16") != std::string::npos;
}

using StarterCatalogTest = ChipTypesFixture;

TEST_F(StarterCatalogTest, FileIsExactlyWhatTheGeneratorBuildsNow)
{
    CChipCatalog catalog;
    BuildStarterCatalog(catalog);
    EXPECT_EQ(ReadStarterFile(), CCatalogFile::StoreToBytes(catalog))
        << "regenerate with: make_starter_catalog examples/Progr.ini";
}

TEST_F(StarterCatalogTest, TypeNamesFollowTheRoutingOrder)
{
    CChipCatalog catalog;
    LoadStarter(catalog);
    ASSERT_EQ(catalog.GetTypeCount(), 4);
    const char* const kWords[][2] = {{"I2C", ""}, {"Microwire", "x8"}, {"Microwire", "x16"}, {"Microwire", "x16"}};
    for (int i = 0; i < 4; ++i) {
        const std::string strName(catalog.GetTypeName(i));
        EXPECT_NE(strName.find(kWords[i][0]), std::string::npos) << strName;
        EXPECT_NE(strName.find(kWords[i][1]), std::string::npos) << strName;
        EXPECT_LE(strName.size(), 30u) << strName;
    }
}

TEST_F(StarterCatalogTest, HoldsTheCommonPartsOnce)
{
    CChipCatalog catalog;
    LoadStarter(catalog);
    std::set<std::string> names;
    for (int i = 0; i < catalog.GetEntryCount(); ++i)
        EXPECT_TRUE(names.insert(std::string(catalog.GetEntryName(i))).second) << catalog.GetEntryName(i).GetString();
    for (const char* psz : {"24C01", "24C02", "24C04", "24C08", "24C16", "24C32", "24C64", "24C128", "24C256"})
        EXPECT_EQ(names.count(psz), 1u) << psz;
    for (const char* psz : {"93C46", "93C56", "93C66", "93C76", "93C86"}) {
        EXPECT_EQ(names.count(std::string(psz) + " x8"), 1u) << psz;
        EXPECT_EQ(names.count(std::string(psz) + " x16"), 1u) << psz;
    }
    EXPECT_EQ(names.size(), 19u);
}

TEST_F(StarterCatalogTest, I2CEntriesMatchTheDatasheetAndTheFormRules)
{
    CChipCatalog catalog;
    LoadStarter(catalog);
    int nLastBuffer = 0;
    for (int i = 0; i < catalog.GetEntryCount(); ++i) {
        if (catalog.GetKind(i) != 0)
            continue;
        const CString strName = catalog.GetEntryName(i);
        const ChipSettings s = catalog.GetSettings(i);
        SCOPED_TRACE(strName.GetString());
        EXPECT_EQ(BuildI2CSettings(I2CValuesFromSettings(s)), s);
        EXPECT_EQ(catalog.GetLength(i), LengthFromName(strName));
        EXPECT_EQ(catalog.GetPowerPins(i), 0x80);  // VCC on pin 8, A0..A2 low
        EXPECT_EQ(catalog.GetClkMask(i), PinToMask(6));
        EXPECT_EQ(catalog.GetDataOutMask(i), PinToMask(5));
        EXPECT_EQ(s[ChipSettings::DeviceAddress], 0xA0);
        const int nBuffer = catalog.GetWriteBufferOrCsMask(i);
        EXPECT_TRUE(nBuffer >= 8 && nBuffer <= 64 && (nBuffer & (nBuffer - 1)) == 0) << nBuffer;
        EXPECT_GE(nBuffer, nLastBuffer);
        nLastBuffer = nBuffer;
    }
}

TEST_F(StarterCatalogTest, MicrowireEntriesMatchTheDatasheetAndTheFormRules)
{
    CChipCatalog catalog;
    LoadStarter(catalog);
    int nMicrowire = 0;
    for (int i = 0; i < catalog.GetEntryCount(); ++i) {
        if (catalog.GetKind(i) == 0)
            continue;
        ++nMicrowire;
        const CString strName = catalog.GetEntryName(i);
        const ChipSettings s = catalog.GetSettings(i);
        const bool b16Bits = IsWordOrganised(strName);
        SCOPED_TRACE(strName.GetString());
        EXPECT_EQ(catalog.GetKind(i), b16Bits ? 2 : 1);
        EXPECT_EQ(BuildMicrowireSettings(MicrowireValuesFromSettings(s)), s);
        EXPECT_EQ(catalog.GetLength(i), LengthFromName(strName));
        EXPECT_EQ(catalog.GetAddressFormat(i), MicrowireAddressBits(catalog.GetLength(i), b16Bits));
        // VCC on pin 8; ORG on pin 6 is powered for word organisation.
        EXPECT_EQ(catalog.GetPowerPins(i), b16Bits ? 0xA0 : 0x80);
        EXPECT_EQ(catalog.GetWriteBufferOrCsMask(i), PinToMask(1));
        EXPECT_EQ(catalog.GetClkMask(i), PinToMask(2));
        EXPECT_EQ(catalog.GetDataInMask(i), PinToMask(3));
        EXPECT_EQ(catalog.GetDataOutMask(i), PinToMask(4));
    }
    EXPECT_EQ(nMicrowire, 10);
}

TEST_F(StarterCatalogTest, EveryEntryEditedAndSavedUnchangedKeepsTheFile)
{
    const Bytes starter = ReadStarterFile();
    WriteRawFile(starter);
    CChipCatalog catalog;
    LoadStarter(catalog);
    RunChipList([&](CHeadlessDialog& d) {
        for (int i = 0; i < catalog.GetEntryCount(); ++i) {
            const CString strName = catalog.GetEntryName(i);
            const bool bI2C = catalog.GetKind(i) == 0;
            m_backend.ExpectDialog(bI2C ? IDD_SETUP_I2C : IDD_SETUP_MICROWIRE, [&](CHeadlessDialog& f) {
                EXPECT_EQ(f.Text(IDC_NAME), strName);
                if (!bI2C) {
                    EXPECT_EQ(f.Checked(IDC_16_BITS), IsWordOrganised(strName));
                }
                f.Click(IDOK);
            });
            d.SelectRow(IDC_CHIP_LIST, RowOf(d, IDC_CHIP_LIST, strName));
            d.Click(IDC_EDIT_CHIP);
        }
        d.Click(IDCANCEL);
    });
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(FileBytes(), starter);
}

}  // namespace
}  // namespace types_test
