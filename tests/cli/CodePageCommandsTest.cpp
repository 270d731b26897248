#include "CliTestSupport.h"

#include "ListOrder.h"
#include "NameText.h"

namespace {

// A name of each page as typed (UTF-8) and as stored; those of the double-byte pages
// have trail bytes that are a backslash or a letter.
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
    {932, "表示ソフト", "\x95\x5C\x8E\xA6\x83\x5C\x83\x74\x83\x67"},
    {936, "乀Test", "\x81\x54Test"},
    {949, "갂똠", "\x81\x41\x8C\x63"},
    {950, "許功蓋", "\xB3\x5C\xA5\x5C\xBB\x5C"},
    {65001, "Łódź 表示", "Łódź 表示"},
};

}  // namespace

class CodePageCommandsTest : public CliTest {};

TEST_F(CodePageCommandsTest, EveryPageStoresItsNamesAndListsShowsEditsExportsAndImportsThem)
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
        r = Run({"show", n.pszTyped}, n.nPage);
        ASSERT_EQ(r.nExit, 0) << r.strErr;
        EXPECT_NE(r.strOut.find(n.pszTyped), std::string::npos) << r.strOut;
        r = Run({"edit", n.pszTyped, "--length", "1024"}, n.nPage);
        ASSERT_EQ(r.nExit, 0) << r.strErr;
        r = Run({"--codepage", strPage, "export"});
        EXPECT_NE(r.strOut.find("\"codepage\": " + strPage), std::string::npos) << r.strOut;
        EXPECT_NE(r.strOut.find("\"name\": \"" + std::string(n.pszTyped) + "\""), std::string::npos) << r.strOut;
        EXPECT_EQ(r.strOut.find("name_hex"), std::string::npos) << r.strOut;
        std::ofstream("out.json") << r.strOut;
        std::remove("Progr.ini");
        r = Run({"import", "out.json"});
        ASSERT_EQ(r.nExit, 0) << r.strErr;
        ASSERT_TRUE(CCatalogFile::Load(catalog).Ok());
        EXPECT_EQ(catalog.GetEntryName(0).Str(), n.strStored);
        EXPECT_EQ(catalog.GetSettings(0)[2], 0x04);  // the length's high byte: 1024
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
    r = Run({"add", "갂", "--type", "0"}, 932);
    EXPECT_EQ(r.nExit, 2);
    EXPECT_NE(r.strErr.find("has U+AC02, which code page 932 lacks"), std::string::npos) << r.strErr;
}

TEST_F(CodePageCommandsTest, PatternsTakeWholeCharactersAndNeverATrailByte)
{
    const std::string strJapanese = kNames[10].strStored, strChinese = kNames[11].strStored;
    const struct {
        CodePage cp;
        const char* pszPattern;
        std::string strName;
        bool bMatch;
    } cases[] = {
        {CodePage::Windows932, "?示*", strJapanese, true},
        {CodePage::Windows932, "??示*", strJapanese, false},
        {CodePage::Windows932, "表示????", "\x95\x5C\x8E\xA6\x83\x5C\x83\x74\xB1\xB2", true},  // ｱｲ: one byte each
        {CodePage::Windows932, "*\\*", strJapanese, false},  // a trail byte is no backslash
        {CodePage::Windows936, "*T*", strChinese.substr(0, 2) + "x", false},  // nor a letter
        {CodePage::Windows936, "*t", strChinese.substr(0, 2), false},
        {CodePage::Windows936, "?TEST", strChinese, true},
        {CodePage::Windows949, "*A*", kNames[12].strStored, false},
        {CodePage::Windows950, "?功*", kNames[13].strStored, true},
        {CodePage::Windows932, "ａ*", "\x82\x60\x82\x61", true},  // full-width Ａ folds to ａ
        {CodePage::Utf8, "?ódź", "Łódź", true},
    };
    for (const auto& c : cases) {
        std::string strPattern, strWhy;
        ASSERT_TRUE(Utf8ToAnsi(c.pszPattern, c.cp, strPattern, strWhy)) << c.pszPattern;
        EXPECT_EQ(MatchNamePattern(strPattern, c.strName, c.cp), c.bMatch) << c.pszPattern;
    }
    CChipCatalog catalog;
    AddEntry(catalog, strJapanese, ChipSettings{});
    AddEntry(catalog, "\\x", ChipSettings{});
    Save(catalog);
    EXPECT_EQ(Run({"list", "--name", "*\\*"}, 932).strOut.substr(30), "\\x\n");
}

TEST_F(CodePageCommandsTest, NamesThePageCannotShowAreKeptByTheirBytes)
{
    // A lead byte without its trail byte, an undefined pair and a user-defined character.
    const std::string strOdd = "A\x85\x41" "B\xF0\x40\x95";
    EXPECT_EQ(DisplayText(strOdd, CodePage::Windows932), "A\\x85\\x41B\\xF0\\x40\\x95");
    EXPECT_EQ(DisplayText("\x83\x5C\x0A", CodePage::Windows932), "ソ\\x0A");
    EXPECT_EQ(DisplayText("\xC2\x85\xE2\x82", CodePage::Utf8), "\\xC2\\x85\\xE2\\x82");
    CChipCatalog catalog;
    AddEntry(catalog, strOdd, ChipSettings{});
    Save(catalog);
    const Bytes before = ReadFile();
    CliResult r = Run({"export", "-o", "out.json"}, 932);
    ASSERT_EQ(r.nExit, 0) << r.strErr;
    std::remove("Progr.ini");
    r = Run({"import", "out.json"}, 932);
    ASSERT_EQ(r.nExit, 0) << r.strErr;
    EXPECT_EQ(ReadFile(), before);
}

TEST_F(CodePageCommandsTest, PagesTheToolCannotUseAreRefusedBeforeAnythingIsRead)
{
    CChipCatalog catalog;
    AddEntry(catalog, "24C02", ChipSettings{});
    Save(catalog);
    const std::string strPages = "the supported pages are 874, 1250 to 1258, 932, 936, 949, 950 and 65001";
    const struct {
        std::vector<std::string> args;
        int nSystemPage;
        std::string strMessage;
    } cases[] = {
        {{"list"}, 1361, "orvane-cli: the system's code page 1361 is not supported; " + strPages +
                             "; name the page the names are in with --codepage\n"},
        {{"add", "x", "--type", "0"}, 20932, "orvane-cli: the system's code page 20932 is not supported"},
        {{"--codepage", "54936", "list"}, 1252, "orvane-cli: --codepage: code page 54936 is not supported; " + strPages},
        {{"list", "--codepage", "1249"}, 1252, "orvane-cli: --codepage: code page 1249 is not supported"},
        {{"--codepage", "x", "list"}, 1252, "orvane-cli: Could not convert: --codepage = x"},
    };
    for (const auto& c : cases) {
        const CliResult r = Run(c.args, c.nSystemPage);
        EXPECT_EQ(r.nExit, 2) << c.strMessage;
        EXPECT_EQ(r.strErr.rfind(c.strMessage, 0), 0u) << r.strErr;
        EXPECT_EQ(r.strOut, "");
    }
    // A page named on the command line serves where the system's cannot.
    const CliResult r = Run({"list", "--codepage", "1250"}, 1361);
    EXPECT_EQ(r.nExit, 0) << r.strErr;
    EXPECT_EQ(r.strOut.substr(30), "24C02\n");
}
