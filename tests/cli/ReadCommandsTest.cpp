#include "CliTestSupport.h"

#include "ListOrder.h"
#include "NameText.h"

namespace {

const ChipSettings kI2C = {{0x80, 0x00, 0x01, 0x11, 0x20, 0x10, 0x10, 8, 0xA0, 0, 0x10, 0}};
const ChipSettings kMicrowire = {{0x80, 0x80, 0, 6, 2, 8, 4, 1, 0, 8, 8, 2}};

std::vector<std::string> Column(const std::string& strOut, std::size_t nFrom)
{
    std::vector<std::string> names;
    std::size_t nPos = 0;
    while (nPos < strOut.size()) {
        std::size_t nEnd = strOut.find('\n', nPos);
        names.push_back(strOut.substr(nPos + nFrom, nEnd - nPos - nFrom));
        nPos = nEnd + 1;
    }
    return names;
}

}  // namespace

class ReadCommandsTest : public CliTest {};

TEST_F(ReadCommandsTest, ListSortsAsTheChipListWindowAndFilters)
{
    CChipCatalog catalog;
    for (const char* pszName : {"b", "B", "a2", "\xE0", "A", "\xC0", "a10", "_x"})
        AddEntry(catalog, pszName, kI2C);
    AddEntry(catalog, "93C66", kMicrowire);
    Save(catalog);
    // Case does not count and accents count after the letters ('_' comes before digits,
    // digits before letters); names the list box counts equal stand where its search
    // puts them. In 1252 C0 and E0 are À and à.
    CliResult r = Run({"--codepage", "1252", "list"});
    ASSERT_EQ(r.nExit, 0) << r.strErr;
    EXPECT_EQ(Column(r.strOut, 30), (std::vector<std::string>{"_x", "93C66", "A", "\xC3\x80", "\xC3\xA0", "a10",
                                                                "a2", "B", "b"}));
    EXPECT_EQ(r.strOut.substr(r.strOut.find('\n') + 1, 30), "#8       Microwire 1     128  ");
    r = Run({"list", "--file-order", "--name", "?1*", "--family", "i2c"});
    EXPECT_EQ(r.strOut, "#6       I2C             256  a10\n");
    r = Run({"list", "--family", "microwire", "--json"});
    EXPECT_EQ(r.strOut, "[\n  {\n    \"index\": 8,\n    \"name\": \"93C66\",\n    \"kind\": 2,\n"
                        "    \"family\": \"microwire\",\n    \"length\": 128\n  }\n]\n");
    EXPECT_EQ(Run({"list", "--family", "spi"}).nExit, 2);
}

TEST_F(ReadCommandsTest, SortAndPatternsFoldTheCodePagesLetters)
{
    EXPECT_EQ(AnsiCompareNoCase("\xC0", "\xE0", CodePage::Windows1251), 0);  // А / а
    EXPECT_LT(AnsiCompareNoCase("\xE0", "\xE1", CodePage::Windows1251), 0);
    EXPECT_LT(AnsiCompareNoCase("ab", "ABC", CodePage::Windows1252), 0);
    EXPECT_TRUE(MatchNamePattern("24c*", "24C02", CodePage::Windows1252));
    EXPECT_TRUE(MatchNamePattern("*0?", "24C02", CodePage::Windows1252));
    EXPECT_FALSE(MatchNamePattern("*0?", "24C2", CodePage::Windows1252));
    EXPECT_TRUE(MatchNamePattern("**a*b*", "xxaxxbb", CodePage::Windows1252));
    EXPECT_FALSE(MatchNamePattern(std::string(30, '*') + "b", std::string(5000, 'a'), CodePage::Windows1252));
}

TEST_F(ReadCommandsTest, NamesCannotBreakLinesOrDriveTheTerminal)
{
    CChipCatalog catalog;
    AddEntry(catalog, "evil\n\x1B[2Jname\x81", kI2C);
    Save(catalog);
    CliResult r = Run({"--codepage", "1252", "list"});
    EXPECT_EQ(r.strOut, "#0       I2C             256  evil\\x0A\\x1B[2Jname\\x81\n");
    EXPECT_EQ(DisplayText("caf\xE9", CodePage::Windows1252), "caf\xC3\xA9");
    std::string strAnsi, strWhy;
    EXPECT_FALSE(Utf8ToAnsi("\xC0\x80", CodePage::Windows1252, strAnsi, strWhy));      // overlong NUL
    EXPECT_FALSE(Utf8ToAnsi("\xED\xA0\x80", CodePage::Windows1252, strAnsi, strWhy));  // surrogate
    EXPECT_FALSE(Utf8ToAnsi("\xE2\x82", CodePage::Windows1252, strAnsi, strWhy));      // cut short
    EXPECT_TRUE(Utf8ToAnsi("\xE2\x82\xAC", CodePage::Windows1252, strAnsi, strWhy));   // €
    EXPECT_EQ(strAnsi, "\x80");
}

TEST_F(ReadCommandsTest, ShowDecodesAndNotesWhatTheFormWouldChange)
{
    CChipCatalog catalog;
    AddEntry(catalog, "24C02", kI2C);
    AddEntry(catalog, "odd", SettingsOf({0x80, 0, 1, 0x11, 0x30, 0x10, 0x10, 8, 0xA0, 0, 0x10, 5}));
    Save(catalog);
    CliResult r = Run({"show", "#1"});
    ASSERT_EQ(r.nExit, 0);
    EXPECT_NE(r.strOut.find("Kind:           5, kind 5: no form\n"), std::string::npos) << r.strOut;
    EXPECT_NE(r.strOut.find("ClkMask:        0x30 (48)\n"), std::string::npos) << r.strOut;
    EXPECT_NE(r.strOut.find("Note:           error: kind 5 is above 3: no form opens it\n"), std::string::npos);
    r = Run({"show", "24c02"});
    EXPECT_EQ(r.nExit, 1);
    EXPECT_EQ(r.strErr, "orvane-cli: Progr.ini: no chip named \"24c02\"\n");
}

TEST_F(ReadCommandsTest, DumpShowsTheGoodPartAndWhereItBreaks)
{
    CChipCatalog catalog;
    catalog.AddTypeName("I2C");
    AddEntry(catalog, "24C02", kI2C);
    AddEntry(catalog, "second", kI2C);
    Save(catalog);
    Bytes bytes = ReadFile();
    bytes.resize(bytes.size() - 15);  // into the second name
    WriteFile(bytes);
    CliResult r = Run({"dump"});
    ASSERT_EQ(r.nExit, 0) << r.strErr;
    // Offset, the bytes padded to sixteen columns, then what they are.
    auto line = [](const char* pszOffset, std::string strHex, const std::string& strText) {
        strHex.resize(48, ' ');
        return std::string(pszOffset) + "  " + strHex + " " + strText + "\n";
    };
    const std::string strBreak = "An attempt was made to access Progr.ini past its end (entry 1 name, byte offset 28).";
    for (const std::string& strLine : {
             line("00000000", "01 00 ", "type count: 1"),
             line("00000006", "02 00 00 00 ", "entry count: 2"),
             line("00000010", "80 ", "  entry 0 PowerPins: 0x80 (pins 8)"),
             line("00000011", "00 01 ", "  entry 0 Length: 256"),
             line("0000001B", "00 ", "  entry 0 Kind: 0 (I2C)"),
             line("0000001C", "06 73 65 63 ", "BREAK: " + strBreak),
             "does not load: " + strBreak + "\n"})
        EXPECT_NE(r.strOut.find(strLine), std::string::npos) << strLine << "--- got:\n" << r.strOut;
}

TEST_F(ReadCommandsTest, DiffNamesAddedRemovedAndChangedFields)
{
    CChipCatalog a, b;
    AddEntry(a, "same", kI2C);
    AddEntry(a, "dup", kI2C);
    AddEntry(a, "dup", kI2C);
    AddEntry(a, "gone", kI2C);
    AddEntry(b, "same", kI2C);
    AddEntry(b, "dup", kI2C);
    AddEntry(b, "dup", SettingsOf({0x81, 0x00, 0x01, 0x11, 0x20, 0x10, 0x10, 8, 0xA1, 0, 0x10, 0}));
    AddEntry(b, "new", kMicrowire);
    Save(a, "a.ini");
    Save(b, "b.ini");
    CliResult r = Run({"diff", "a.ini", "b.ini"});
    EXPECT_EQ(r.nExit, 1);
    EXPECT_EQ(r.strOut, "- #3 \"gone\"\n+ #3 \"new\"\n"
                        "~ #2 \"dup\": power_pins 0x80 (pins 8) -> 0x81 (pins 1, 8); "
                        "device_address 0xA0 (10100000) -> 0xA1 (10100001)\n");
    EXPECT_EQ(Run({"diff", "a.ini", "a.ini"}).nExit, 0);
    EXPECT_EQ(Run({"diff", "a.ini", "none.ini"}).nExit, 2);
}

TEST_F(ReadCommandsTest, ConventionsHelpVersionAndErrors)
{
    CliResult r = Run({"--version"});
    EXPECT_EQ(r.nExit, 0);
    EXPECT_EQ(r.strOut.rfind("orvane-cli ", 0), 0u);
    for (const char* pszSub : {"list", "show", "types", "check", "export", "import", "add", "edit", "rm",
                               "rename-type", "dump", "diff"}) {
        r = Run({pszSub, "--help"});
        EXPECT_EQ(r.nExit, 0) << pszSub;
        EXPECT_NE(r.strOut.find("Usage:"), std::string::npos) << pszSub;
    }
    r = Run({"list"});
    EXPECT_EQ(r.nExit, 1);
    EXPECT_EQ(r.strErr, "orvane-cli: Progr.ini: no such file\n");
    EXPECT_TRUE(r.strOut.empty());
    r = Run({"list", "-f", "other.ini"});
    EXPECT_EQ(r.strErr, "orvane-cli: other.ini: no such file\n");
    EXPECT_EQ(Run({}).nExit, 2);
    EXPECT_EQ(Run({"frobnicate"}).nExit, 2);
}
