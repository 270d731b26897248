#include "SetupFormTestSupport.h"

using namespace setup_test;

namespace {

class MicrowireSetupDlgTest : public SetupFormFixture {};

TEST_F(MicrowireSetupDlgTest, NewChipOfEachVariantStoresTheDefaultsAndItsKind)
{
    for (int nVariant = 0; nVariant < 3; ++nVariant) {
        SCOPED_TRACE(nVariant);
        int nResult = RunMicrowire(true, 0, nVariant, [&](CHeadlessDialog& d) {
            ExpectShown(d, {{IDC_PIN_CLK, "2"}, {IDC_PIN_DATA_IN, "3"}, {IDC_PIN_DATA_OUT, "4"}, {IDC_PIN_CS, "1"},
                            {IDC_LENGTH, "128"}, {IDC_BITS_ADDRESS, "6"}, {IDC_PORT_READ, "00001000"},
                            {IDC_PORT_WRITE, "00001000"}});
            EXPECT_EQ(d.Checked(IDC_16_BITS), nVariant == 2);
            EXPECT_FALSE(d.Enabled(IDC_16_BITS));
            d.Click(IDOK);
        }, "", nVariant == 2);
        EXPECT_EQ(nResult, IDOK);
        CChipCatalog catalog;
        Reload(catalog);
        ASSERT_EQ(catalog.GetEntryCount(), nVariant + 1);
        ChipSettings expected = SettingsFromHex("80 80 00 06 02 08 04 01 00 08 08 00");
        expected[ChipSettings::Kind] = static_cast<BYTE>(nVariant + 1);
        EXPECT_EQ(HexOf(catalog.GetSettings(nVariant)), HexOf(expected));
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(MicrowireSetupDlgTest, PatternsFollowTheDataOutPinAtOnce)
{
    RunMicrowire(true, 0, 0, [](CHeadlessDialog& d) {
        TypeSteps(d, {{IDC_PIN_DATA_OUT, "6", {{IDC_PORT_READ, "00100000"}, {IDC_PORT_WRITE, "00100000"}}},
                      {IDC_PIN_DATA_IN, "7", {{IDC_PORT_READ, "00100000"}}},
                      {IDC_PIN_CS, "8", {}}, {IDC_PIN_CLK, "5", {}}, {IDC_BITS_ADDRESS, "16", {}},
                      {IDC_NAME, "Serial ROM", {}}});
        d.Click(IDOK);
    });
    // Bytes 9 and 10 always agree with the data-out mask in byte 5.
    CChipCatalog catalog;
    Reload(catalog);
    EXPECT_EQ(catalog.GetEntryName(0), "Serial ROM");
    EXPECT_EQ(HexOf(catalog.GetSettings(0)), "80 80 00 10 10 20 40 80 00 20 20 01");
}

TEST_F(MicrowireSetupDlgTest, EmptiedDataPinsGetTheirOldValueBack)
{
    RunMicrowire(true, 0, 0, [](CHeadlessDialog& d) {
        TypeSteps(d, {{IDC_PIN_DATA_IN, "", {{IDC_PIN_DATA_IN, "3"}}},
                      {IDC_PIN_DATA_OUT, "", {{IDC_PIN_DATA_OUT, "4"}, {IDC_PORT_READ, "00001000"}}}});
        d.Click(IDOK);
    });
    EXPECT_EQ(Messages(), (std::vector<CString>{kNotByte, kNotByte}));
    EXPECT_EQ(HexOf(SavedSettings(0)), "80 80 00 06 02 08 04 01 00 08 08 01");
}

TEST_F(MicrowireSetupDlgTest, RejectedDataOutPinStoresNothing)
{
    RunMicrowire(true, 0, 0, [](CHeadlessDialog& d) {
        TypeSteps(d, {{IDC_PIN_DATA_OUT, "9", {{IDC_PIN_DATA_OUT, "9"}, {IDC_PORT_READ, "00000000"}}}});
        d.Click(IDOK);
        EXPECT_FALSE(d.IsEnded());
        EXPECT_EQ(d.Focus(), IDC_PIN_DATA_OUT);
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(Messages(), (std::vector<CString>{kRangePin, kRangePin}));
    CChipCatalog catalog;
    EXPECT_EQ(CCatalogFile::Load(catalog).status, CCatalogFile::noFile);
}

TEST_F(MicrowireSetupDlgTest, EditShowsStoredPinsAndDerivesThePortsAgain)
{
    // Clock and chip-select masks with two bits open as pin 0; bytes 8 to 10 disagree
    // with the data-out mask and are rewritten.
    WriteCatalog({{"I2C chip", SettingsFromHex("80 80 00 01 20 10 10 08 A0 00 10 00")},
                  {"93C56", SettingsFromHex("81 00 01 08 03 40 02 C0 55 66 77 02")}});
    int nResult = RunMicrowire(false, 1, 1, [](CHeadlessDialog& d) {
        ExpectShown(d, {{IDC_NAME, "93C56"}, {IDC_PIN_CLK, "0"}, {IDC_PIN_DATA_IN, "2"}, {IDC_PIN_DATA_OUT, "7"},
                        {IDC_PIN_CS, "0"}, {IDC_LENGTH, "256"}, {IDC_BITS_ADDRESS, "8"}, {IDC_PORT_READ, "01000000"}});
        d.Click(IDOK);
    }, "93C56");
    EXPECT_EQ(nResult, IDOK);
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(HexOf(SavedSettings(0)), "80 80 00 01 20 10 10 08 A0 00 10 00");
    EXPECT_EQ(HexOf(SavedSettings(1)), "81 00 01 08 00 40 02 00 00 40 40 02");
}

TEST_F(MicrowireSetupDlgTest, BadStoredBitCountIsReportedOnOpenAndRefusedAtOk)
{
    WriteCatalog({{"93C46", SettingsFromHex("80 80 00 00 02 08 04 01 00 08 08 01")}});
    RunMicrowire(false, 0, 0, [](CHeadlessDialog& d) {
        d.Click(IDOK);
        EXPECT_FALSE(d.IsEnded());
        d.Type(IDC_BITS_ADDRESS, "7");
        d.Click(IDOK);
    }, "93C46");
    const char* pszRange = "Please enter an integer between 1 and 16.";
    EXPECT_EQ(Messages(), (std::vector<CString>{pszRange, pszRange}));
    EXPECT_EQ(HexOf(SavedSettings(0)), "80 80 00 07 02 08 04 01 00 08 08 01");
}

}  // namespace
