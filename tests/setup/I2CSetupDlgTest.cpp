#include "SetupFormTestSupport.h"

using namespace setup_test;

namespace {

class I2CSetupDlgTest : public SetupFormFixture {};

const char* const kI2CDefaults = "80 80 00 01 20 10 10 08 A0 00 10 00";

TEST_F(I2CSetupDlgTest, NewChipOpensWithDefaultsAndStoresThem)
{
    int nResult = RunI2C(true, 0, [](CHeadlessDialog& d) {
        ExpectShown(d, {{IDC_PIN_CLK, "6"}, {IDC_PIN_DATA, "5"}, {IDC_WRITE_BUFFER, "8"}, {IDC_LENGTH, "128"},
                        {IDC_NAME, ""}, {IDC_ADDR_I2C, "10100000"}, {IDC_PORT_WRITE, "00000000"},
                        {IDC_PORT_READ, "00010000"}});
        d.Type(IDC_NAME, "Serial ROM");
        d.Click(IDOK);
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_TRUE(Messages().empty());

    // Without a file the new chip becomes the only entry of a file with no type names.
    CChipCatalog catalog;
    Reload(catalog);
    EXPECT_EQ(catalog.GetTypeCount(), 0);
    ASSERT_EQ(catalog.GetEntryCount(), 1);
    EXPECT_EQ(catalog.GetEntryName(0), "Serial ROM");
    EXPECT_EQ(HexOf(catalog.GetSettings(0)), kI2CDefaults);
}

TEST_F(I2CSetupDlgTest, NewChipIsAppendedAndTheRestOfTheFileKept)
{
    WriteCatalog({{"93C46", SettingsFromHex("80 80 00 06 02 08 04 01 00 08 08 01")},
                  {"odd", SettingsFromHex("FF FF FF FF FF FF FF FF FF FF FF 09")}});
    std::vector<BYTE> before = FileBytes();
    EXPECT_EQ(RunI2C(true, 0, [](CHeadlessDialog& d) { d.Click(IDOK); }), IDOK);

    CChipCatalog catalog;
    Reload(catalog);
    ASSERT_EQ(catalog.GetTypeCount(), 2);
    EXPECT_EQ(catalog.GetTypeName(1), "Microwire 93C46");
    ASSERT_EQ(catalog.GetEntryCount(), 3);
    EXPECT_EQ(catalog.GetEntryName(2), "");
    EXPECT_EQ(HexOf(catalog.GetSettings(2)), kI2CDefaults);
    // The old entries come back byte for byte: the file only grew by the new one.
    std::vector<BYTE> after = FileBytes();
    ASSERT_GT(after.size(), before.size());
}

TEST_F(I2CSetupDlgTest, StoredAddressAndPortReadAreWhatThePatternsShowed)
{
    // Every pattern change goes through the same fields the stored bytes come from.
    CString strAddr, strRead;
    RunI2C(true, 0, [&](CHeadlessDialog& d) {
        d.Click(IDC_POWER_PIN1);
        d.Click(IDC_POWER_PIN3);
        EXPECT_EQ(d.Text(IDC_ADDR_I2C), "10100101");
        d.Click(IDC_POWER_PIN4);
        d.Click(IDC_POWER_PIN8);
        d.Click(IDC_POWER_PIN6);
        EXPECT_EQ(d.Text(IDC_ADDR_I2C), "10100101");
        d.Type(IDC_PIN_DATA, "8");
        strAddr = d.Text(IDC_ADDR_I2C);
        strRead = d.Text(IDC_PORT_READ);
        EXPECT_EQ(strRead, "10000000");
        d.Click(IDOK);
    });
    ChipSettings s = SavedSettings(0);
    EXPECT_EQ(s[ChipSettings::DeviceAddress], PatternValue(strAddr));
    EXPECT_EQ(s[ChipSettings::PortRead], PatternValue(strRead));
    EXPECT_EQ(HexOf(s), "2D 80 00 01 20 80 80 08 A5 00 80 00");
}

TEST_F(I2CSetupDlgTest, DataPinDrivesPortReadAndClockPinDrivesNoPattern)
{
    RunI2C(true, 0, [](CHeadlessDialog& d) {
        TypeSteps(d, {{IDC_PIN_CLK, "1", {{IDC_PORT_READ, "00010000"}, {IDC_ADDR_I2C, "10100000"}}},
                      {IDC_PIN_DATA, "0", {{IDC_PORT_READ, "00000000"}, {IDC_PORT_WRITE, "00000000"}}}});
        d.Click(IDOK);
    });
    EXPECT_EQ(HexOf(SavedSettings(0)), "80 80 00 01 01 00 00 08 A0 00 00 00");
}

TEST_F(I2CSetupDlgTest, LengthSetsAddressFormat)
{
    struct Case { const char* pszLength; const char* pszBytes123; };
    const Case cases[] = {
        {"255", "FF 00 01"}, {"256", "00 01 11"}, {"300", "2C 01 11"},
        {"2048", "00 08 11"}, {"2049", "01 08 00"}, {"65535", "FF FF 00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszLength);
        RunI2C(true, 0, [&](CHeadlessDialog& d) {
            d.Type(IDC_LENGTH, c.pszLength);
            d.Click(IDOK);
        });
        CChipCatalog catalog;
        Reload(catalog);
        ChipSettings s = catalog.GetSettings(catalog.GetEntryCount() - 1);
        EXPECT_EQ(HexOf(s).substr(3, 8), c.pszBytes123);
    }
}

TEST_F(I2CSetupDlgTest, OutOfRangeValuesKeepTheFormOpenUntilCorrected)
{
    WriteCatalog({{"93C46", SettingsFromHex("80 80 00 06 02 08 04 01 00 08 08 01")}});
    std::vector<BYTE> before = FileBytes();
    int nResult = RunI2C(true, 0, [&](CHeadlessDialog& d) {
        d.Type(IDC_PIN_CLK, "9");
        d.Click(IDOK);
        EXPECT_FALSE(d.IsEnded());
        EXPECT_EQ(d.Focus(), IDC_PIN_CLK);
        d.Type(IDC_PIN_CLK, "1");
        d.Type(IDC_WRITE_BUFFER, "256");
        d.Click(IDOK);
        EXPECT_FALSE(d.IsEnded());
        EXPECT_EQ(d.Focus(), IDC_WRITE_BUFFER);
        EXPECT_EQ(FileBytes(), before);
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(nResult, IDCANCEL);
    EXPECT_EQ(Messages(), (std::vector<CString>{kRangePin, kNotByte}));
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(I2CSetupDlgTest, RejectedDataPinIsReportedAtOnce)
{
    RunI2C(true, 0, [](CHeadlessDialog& d) {
        // An empty box keeps its field, and the refresh writes the old pin back. A number
        // out of range is stored before it is reported, so the box keeps it.
        TypeSteps(d, {{IDC_PIN_DATA, "", {{IDC_PIN_DATA, "5"}, {IDC_PORT_READ, "00010000"}}},
                      {IDC_PIN_DATA, "9", {{IDC_PIN_DATA, "9"}, {IDC_PORT_READ, "00000000"}}}});
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(Messages(), (std::vector<CString>{kNotByte, kRangePin}));
}

TEST_F(I2CSetupDlgTest, EditShowsTheEntryAndDerivesEveryOtherByteAgain)
{
    // Multi-bit masks open as pin 0; the stored address, ports, data-in mask, format
    // and kind disagree with the rest and are all derived afresh.
    WriteCatalog({{"first", SettingsFromHex("01 02 03 04 05 06 07 08 09 0A 0B 0C")},
                  {"24C16", SettingsFromHex("05 00 08 09 03 10 55 10 77 66 55 07")}});
    int nResult = RunI2C(false, 1, [](CHeadlessDialog& d) {
        ExpectShown(d, {{IDC_NAME, "24C16"}, {IDC_PIN_CLK, "0"}, {IDC_PIN_DATA, "5"}, {IDC_WRITE_BUFFER, "16"},
                        {IDC_LENGTH, "2048"}, {IDC_ADDR_I2C, "10100101"}, {IDC_PORT_READ, "00010000"}});
        EXPECT_TRUE(d.Checked(IDC_POWER_PIN1));
        EXPECT_TRUE(d.Checked(IDC_POWER_PIN3));
        d.Type(IDC_NAME, "24C16 renamed");
        d.Click(IDOK);
    }, "24C16");
    EXPECT_EQ(nResult, IDOK);
    CChipCatalog catalog;
    Reload(catalog);
    ASSERT_EQ(catalog.GetEntryCount(), 2);
    EXPECT_EQ(HexOf(catalog.GetSettings(0)), "01 02 03 04 05 06 07 08 09 0A 0B 0C");
    EXPECT_EQ(catalog.GetEntryName(1), "24C16 renamed");
    EXPECT_EQ(HexOf(catalog.GetSettings(1)), "05 00 08 11 00 10 10 10 A5 00 10 00");
}

}  // namespace
