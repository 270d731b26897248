#include "CliTestSupport.h"

namespace {

// A name of each page as typed (UTF-8) and as stored.
const struct {
    int nPage;
    const char* pszTyped;
    std::string strStored;
} kNames[] = {
    {874, "ก๐", "\xA1\xF0"},
    {1250, "Łódź", "\xA3\xF3\x64\x9F"},
    {1251, "Жук", "\xC6\xF3\xEA"},
    {1252, "Café", "Caf\xE9"},
    {1253, "Ωμέγα", "\xD9\xEC\xDD\xE3\xE1"},
    {1254, "Şişli", "\xDE\x69\xFE\x6C\x69"},
    {1255, "שלום", "\xF9\xEC\xE5\xED"},
    {1256, "سلام", "\xD3\xE1\xC7\xE3"},
    {1257, "Ąžuolas", "\xC0\xFE" "uolas"},
    {1258, "Ơn", "\xD5n"},
};

}  // namespace

class CodePageCommandsTest : public CliTest {};

TEST_F(CodePageCommandsTest, EveryPageStoresItsNamesAndListsThemBack)
{
    for (const auto& n : kNames) {
        SCOPED_TRACE(n.nPage);
        std::remove("Progr.ini");
        const std::string strPage = std::to_string(n.nPage);
        CliResult r = Run({"--codepage", strPage, "add", n.pszTyped, "--type", "0"});
        ASSERT_EQ(r.nExit, 0) << r.strErr;
        CChipCatalog catalog;
        ASSERT_TRUE(CCatalogFile::Load(catalog).Ok());
        ASSERT_EQ(catalog.GetEntryCount(), 1);
        EXPECT_EQ(catalog.GetEntryName(0).Str(), n.strStored);
        // The same page, whether named or the system's, shows it as typed.
        for (CliResult listed : {Run({"--codepage", strPage, "list"}), Run({"list"}, n.nPage)}) {
            ASSERT_EQ(listed.nExit, 0) << listed.strErr;
            EXPECT_EQ(listed.strOut.substr(30), std::string(n.pszTyped) + "\n");
        }
        r = Run({"--codepage", strPage, "export"});
        EXPECT_NE(r.strOut.find("\"codepage\": " + strPage), std::string::npos) << r.strOut;
        std::ofstream("out.json") << r.strOut;
        std::remove("Progr.ini");
        r = Run({"import", "out.json"});
        ASSERT_EQ(r.nExit, 0) << r.strErr;
        ASSERT_TRUE(CCatalogFile::Load(catalog).Ok());
        EXPECT_EQ(catalog.GetEntryName(0).Str(), n.strStored);
    }
}

TEST_F(CodePageCommandsTest, APolishSystemReadsAndTypesPolishNames)
{
    CChipCatalog catalog;
    for (const char* pszName : {"Zebra", "\xA3\xF3\x64\x9F", "Lampa"})
        AddEntry(catalog, pszName, ChipSettings{});
    Save(catalog);
    CliResult r = Run({"list"}, 1250);
    ASSERT_EQ(r.nExit, 0) << r.strErr;
    EXPECT_NE(r.strOut.find("Lampa\n"), std::string::npos);
    // Ł sorts beside L, not after Z as its byte would.
    EXPECT_LT(r.strOut.find("Łódź"), r.strOut.find("Zebra"));
    EXPECT_EQ(Run({"list", "--name", "ŁÓDŹ"}, 1250).strOut.substr(30), "Łódź\n");
    r = Run({"add", "łódź", "--type", "0"}, 1250);
    ASSERT_EQ(r.nExit, 0) << r.strErr;
    ASSERT_TRUE(CCatalogFile::Load(catalog).Ok());
    EXPECT_EQ(catalog.GetEntryName(3).Str(), "\xB3\xF3\x64\x9F");
    r = Run({"add", "Żółw€", "--type", "0"}, 1252);
    EXPECT_EQ(r.nExit, 2);
    EXPECT_NE(r.strErr.find("has U+017B, which code page 1252 lacks"), std::string::npos) << r.strErr;
}

TEST_F(CodePageCommandsTest, PagesTheToolCannotUseAreRefusedBeforeAnythingIsRead)
{
    CChipCatalog catalog;
    AddEntry(catalog, "24C02", ChipSettings{});
    Save(catalog);
    const std::string strJapanese = "code page 932 (Japanese) is a double-byte page, which is not supported yet";
    const struct {
        std::vector<std::string> args;
        int nSystemPage;
        std::string strMessage;
    } cases[] = {
        {{"list"}, 932, "orvane-cli: the system's " + strJapanese},
        {{"add", "x", "--type", "0"}, 949, "orvane-cli: the system's code page 949 (Korean)"},
        {{"list"}, 65001, "orvane-cli: the system's code page 65001 is not supported; the supported pages are "
                          "874 and 1250 to 1258; name the page the names are in with --codepage\n"},
        {{"--codepage", "932", "list"}, 1252, "orvane-cli: --codepage: " + strJapanese},
        {{"list", "--codepage", "950"}, 1252, "orvane-cli: --codepage: code page 950 (Traditional Chinese)"},
        {{"--codepage", "1249", "list"}, 1252, "orvane-cli: --codepage: code page 1249 is not supported"},
        {{"--codepage", "x", "list"}, 1252, "orvane-cli: Could not convert: --codepage = x"},
    };
    for (const auto& c : cases) {
        const CliResult r = Run(c.args, c.nSystemPage);
        EXPECT_EQ(r.nExit, 2) << c.strMessage;
        EXPECT_EQ(r.strErr.rfind(c.strMessage, 0), 0u) << r.strErr;
        EXPECT_EQ(r.strOut, "");
    }
    // A page named on the command line serves where the system's cannot.
    const CliResult r = Run({"list", "--codepage", "1250"}, 932);
    EXPECT_EQ(r.nExit, 0) << r.strErr;
    EXPECT_EQ(r.strOut.substr(30), "24C02\n");
}
