#include "CliTestSupport.h"

#include "ChipRules.h"

class EditTest : public CliTest {
protected:
    void ExpectRefused(std::vector<std::string> args, const char* pszComplaint)
    {
        const Bytes before = ReadFile();
        CliResult r = Run(args);
        EXPECT_NE(r.nExit, 0) << args.back();
        EXPECT_NE(r.strErr.find(pszComplaint), std::string::npos) << r.strErr;
        EXPECT_EQ(ReadFile(), before) << "a refused change must leave the file as it was";
    }
};

TEST_F(EditTest, AddStoresWhatTheFormStoresWithItsDefaults)
{
    // No file yet: add makes one, as the form's OK does.
    ASSERT_EQ(Run({"add", "24C02", "--type", "0"}).nExit, 0);
    for (int nType = 1; nType <= 3; ++nType)
        ASSERT_EQ(Run({"add", "93C" + std::to_string(nType), "--type", std::to_string(nType)}).nExit, 0);
    EXPECT_EQ(StoredSettings(0), SettingsOf({0x80, 0x80, 0, 1, 0x20, 0x10, 0x10, 8, 0xA0, 0, 0x10, 0}));
    for (int nKind = 1; nKind <= 3; ++nKind)
        EXPECT_EQ(StoredSettings(nKind), SettingsOf({0x80, 0x80, 0, 6, 2, 8, 4, 1, 0, 8, 8, nKind}));
}

TEST_F(EditTest, AddThenShowAgreesWithTheForm)
{
    ASSERT_EQ(Run({"add", "24C16", "--type", "0", "--power-pins", "1,3", "--length", "2048", "--clk", "2",
                   "--data", "8", "--write-buffer", "16"}).nExit, 0);
    I2CChipValues v;
    v.nPowerPins = 0x05;
    v.nLength = 2048;
    v.nPinClk = 2;
    v.nPinData = 8;
    v.nWriteBuffer = 16;
    EXPECT_EQ(StoredSettings(0), BuildI2CSettings(v));
    CliResult r = Run({"show", "24C16"});
    ASSERT_EQ(r.nExit, 0) << r.strErr;
    for (const char* pszLine : {"Power pins:     1, 3 (0x05)\n", "Pin CLK:        2\n", "Pin DATA:       8\n",
                                "Length:         2048\n", "Address format: 17\n", "Addr I2C:       10100101 (0xA5)\n",
                                "Port Read:      10000000\n", "Bytes:          05 00 08 11 02 80 80 10 A5 00 80 00\n"})
        EXPECT_NE(r.strOut.find(pszLine), std::string::npos) << pszLine << r.strOut;
    EXPECT_EQ(r.strOut.find("Note:"), std::string::npos);

    ASSERT_EQ(Run({"add", "93C56", "--type", "2", "--data-out", "6", "--bits-address", "16", "--power-pins", "0x81"}).nExit, 0);
    r = Run({"show", "#1", "--json"});
    for (const char* pszValue : {"\"variant\": 1", "\"pin_data_out\": 6", "\"bits_address\": 16",
                                 "\"port_write\": \"00100000\"", "\"bytes\": \"81 80 00 10 02 20 04 01 00 20 20 02\""})
        EXPECT_NE(r.strOut.find(pszValue), std::string::npos) << pszValue << r.strOut;
}

TEST_F(EditTest, ValuesOutsideTheFormsRangesOrFamilyAreRefused)
{
    ASSERT_EQ(Run({"add", "x", "--type", "0"}).nExit, 0);
    ExpectRefused({"add", "y", "--type", "0", "--clk", "9"}, "--clk: 9 is outside 0..8");
    ExpectRefused({"add", "y", "--type", "0", "--length", "65536"}, "--length: 65536 is outside 0..65535");
    ExpectRefused({"add", "y", "--type", "0", "--write-buffer", "256"}, "outside 0..255");
    ExpectRefused({"add", "y", "--type", "1", "--bits-address", "0"}, "outside 1..16");
    ExpectRefused({"add", "y", "--type", "1", "--bits-address", "17"}, "outside 1..16");
    ExpectRefused({"add", "y", "--type", "0", "--cs", "1"}, "--cs: does not apply to an I2C chip");
    ExpectRefused({"add", "y", "--type", "2", "--data", "1"}, "--data: does not apply to a Microwire chip");
    ExpectRefused({"add", "y", "--type", "4"}, "opens no form");
    ExpectRefused({"add", "y", "--type", "0", "--power-pins", "1,9"}, "not a list of pins");
    ExpectRefused({"add", "y", "--type", "0", "--clk", "-1"}, "--clk: -1 is outside 0..8");
    ExpectRefused({"edit", "x", "--clk", "abc"}, "--clk");
    EXPECT_EQ(Run({"add", "y", "--type", "0", "--clk", "9"}).nExit, 2);
}

TEST_F(EditTest, HelpNamesEachValueOptionWithItsRangeInOrder)
{
    for (const char* pszCommand : {"add", "edit"}) {
        const std::string strHelp = Run({pszCommand, "--help"}).strOut;
        std::size_t nAt = 0;
        for (const char* pszText :
             {"--power-pins TEXT", "--clk INT", "Pin CLK, 0..8", "--data INT", "Pin DATA of an I2C chip, 0..8",
              "--data-in INT", "Pin DATAIn of a Microwire chip, 0..8", "--data-out INT",
              "Pin DATAO of a Microwire chip, 0..8", "--cs INT", "Pin CS of a Microwire chip, 0..8", "--length INT",
              "Length, 0..65535", "--write-buffer INT", "Write buffer of an I2C chip, 0..255", "--bits-address INT",
              "Bits address of a Microwire chip, 1..16"}) {
            nAt = strHelp.find(pszText, nAt);
            ASSERT_NE(nAt, std::string::npos) << pszCommand << ": " << pszText << " in\n" << strHelp;
        }
    }
}

TEST_F(EditTest, EditIsTheFormsOkAndRecomputesDerivedBytes)
{
    CChipCatalog catalog;
    AddEntry(catalog, "odd", SettingsOf({0x80, 0x80, 0, 0x11, 0x03, 0x10, 0x40, 8, 0xA7, 5, 0, 0}));
    AddEntry(catalog, "mw", SettingsOf({0x80, 0x80, 0, 0, 2, 8, 4, 1, 0, 8, 8, 3}));
    AddEntry(catalog, "other", SettingsOf({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9}));
    Save(catalog);
    ASSERT_EQ(Run({"edit", "odd"}).nExit, 0);
    // The multi-bit CLK mask opens as pin 0; everything derived is rebuilt.
    EXPECT_EQ(StoredSettings(0), SettingsOf({0x80, 0x80, 0, 1, 0, 0x10, 0x10, 8, 0xA0, 0, 0x10, 0}));

    ExpectRefused({"edit", "mw"}, "outside 1..16");
    ASSERT_EQ(Run({"edit", "mw", "--bits-address", "8", "--name", "93C86"}).nExit, 0);
    EXPECT_EQ(StoredSettings(1), SettingsOf({0x80, 0x80, 0, 8, 2, 8, 4, 1, 0, 8, 8, 3}));
    ExpectRefused({"edit", "other"}, "which no form opens");
    ExpectRefused({"edit", "missing"}, "no chip named \"missing\"");
    ExpectRefused({"edit", "#3"}, "no chip #3 (the file has 3)");
}

TEST_F(EditTest, RemoveTakesTheFirstOfThatNameOrTheIndexGiven)
{
    CChipCatalog catalog;
    AddEntry(catalog, "dup", SettingsOf({1}));
    AddEntry(catalog, "b", SettingsOf({2}));
    AddEntry(catalog, "dup", SettingsOf({3}));
    Save(catalog);
    ASSERT_EQ(Run({"rm", "dup"}).nExit, 0);
    EXPECT_EQ(StoredSettings(0)[0], 2);
    EXPECT_EQ(StoredSettings(1)[0], 3);
    ASSERT_EQ(Run({"rm", "#1"}).nExit, 0);
    ASSERT_EQ(Run({"rm", "--hex", "62"}).nExit, 0);
    CChipCatalog after;
    ASSERT_TRUE(CCatalogFile::Load(after).Ok());
    EXPECT_EQ(after.GetEntryCount(), 0);
}

TEST_F(EditTest, RenameTypeByPositionOrName)
{
    CChipCatalog catalog;
    catalog.AddTypeName("I2C");
    catalog.AddTypeName("MW");
    Save(catalog);
    ASSERT_EQ(Run({"rename-type", "1", "Microwire 93C46"}).nExit, 0);
    ASSERT_EQ(Run({"rename-type", "I2C", "EEPROM I2C"}).nExit, 0);
    CliResult r = Run({"types"});
    EXPECT_EQ(r.strOut, "0   I2C form                    EEPROM I2C\n"
                        "1   Microwire form, variant 0   Microwire 93C46\n");
    ExpectRefused({"rename-type", "2", "x"}, "no type at position 2");
}

TEST_F(EditTest, NothingIsWrittenOverAFileThatDoesNotLoad)
{
    WriteFile({0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x09, 'A'});
    for (auto args : std::vector<std::vector<std::string>>{
             {"add", "x", "--type", "0"}, {"edit", "#0"}, {"rm", "#0"}, {"rename-type", "0", "x"}})
        ExpectRefused(args, "orvane-cli: An attempt was made to access Progr.ini past its end");
}

TEST_F(EditTest, NamesArriveInTheCodePageOrAreRefused)
{
    ASSERT_EQ(Run({"--codepage", "1251", "add", "\xD0\x96", "--type", "0"}).nExit, 0);  // Ж
    ASSERT_EQ(Run({"add", "--hex", "8D41", "--type", "0"}).nExit, 0);
    CChipCatalog catalog;
    ASSERT_TRUE(CCatalogFile::Load(catalog).Ok());
    EXPECT_EQ(catalog.GetEntryName(0), CString("\xC6"));
    EXPECT_EQ(catalog.GetEntryName(1), CString("\x8D" "A"));
    ExpectRefused({"--codepage", "1252", "add", "\xD0\x96", "--type", "0"}, "lacks");
    ExpectRefused({"add", "\xFF\xFE", "--type", "0"}, "is not valid UTF-8");
}
