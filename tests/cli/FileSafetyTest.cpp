#include "CliTestSupport.h"

#include "FileLock.h"
#include "support/LockHolder.h"

#include <algorithm>
#include <sys/stat.h>

namespace {

class CliFileSafetyTest : public CliTest {
protected:
    void TearDown() override
    {
        CFileLock::SetWaitLimit(CFileLock::DefaultWaitLimitMs);
        CliTest::TearDown();
    }

    static void SaveOneChip()
    {
        CChipCatalog catalog;
        catalog.AddTypeName("I2C");
        AddEntry(catalog, "24C02", SettingsOf({0x80, 0x80, 0, 1, 0x20, 0x10, 0x10, 8, 0xA0, 0, 0x10, 0}));
        Save(catalog);
    }

    static std::size_t Occurrences(const std::string& strText, const std::string& strPart)
    {
        std::size_t n = 0;
        for (std::size_t at = strText.find(strPart); at != std::string::npos; at = strText.find(strPart, at + 1))
            ++n;
        return n;
    }

    static void WriteJson(const std::string& strText) { std::ofstream("in.json", std::ios::binary) << strText; }
};

const std::vector<std::vector<std::string>> kChanges = {
    {"add", "new", "--type", "0"}, {"edit", "24C02", "--length", "512"}, {"rm", "24C02"}, {"rename-type", "0", "X"}};

TEST_F(CliFileSafetyTest, ChangesRefuseToDropBytesAfterTheCatalogueUnlessForced)
{
    for (const std::vector<std::string>& args : kChanges) {
        SaveOneChip();
        Bytes bytes = ReadFile();
        bytes.insert(bytes.end(), 14, 0xEE);
        WriteFile(bytes);
        CliResult r = Run(args);
        EXPECT_EQ(r.nExit, 1) << args[0];
        EXPECT_EQ(r.strErr, "orvane-cli: Progr.ini: 14 bytes follow the catalogue, and saving would drop them; "
                            "give --force to save anyway\n");
        EXPECT_EQ(ReadFile(), bytes);

        std::vector<std::string> forced = args;
        forced.push_back("--force");
        r = Run(forced);
        EXPECT_EQ(r.nExit, 0) << r.strErr;
        CChipCatalog catalog;
        EXPECT_EQ(CCatalogFile::Load(catalog, "Progr.ini").nTrailingBytes, 0u);
    }
}

// A FIFO and a link to a device; tests/windows tries the devices of Windows.
#ifndef _WIN32
TEST_F(CliFileSafetyTest, SpecialFilesAreRefusedWithoutBlockingAndNeverReplaced)
{
    ASSERT_EQ(::mkfifo("Progr.ini", 0644), 0);
    std::vector<std::vector<std::string>> commands = kChanges;
    commands.insert(commands.end(), {{"list"}, {"check"}, {"dump"}, {"show", "#0"}, {"export"}});
    for (const std::vector<std::string>& args : commands) {
        CliResult r = Run(args);
        EXPECT_NE(r.nExit, 0) << args[0];
        EXPECT_NE(r.strErr.find("Progr.ini"), std::string::npos) << r.strErr;
        EXPECT_NE(r.strErr.find("Is a FIFO (named pipe), not a regular file"), std::string::npos) << r.strErr;
        EXPECT_EQ(Occurrences(r.strErr, "Progr.ini"), 1u) << r.strErr;
    }
    ASSERT_EQ(Run({"-f", "good.ini", "add", "x", "--type", "0"}).nExit, 0);
    ASSERT_EQ(Run({"-f", "good.ini", "export", "-o", "out.json"}).nExit, 0);
    ASSERT_EQ(::symlink("/dev/null", "null.ini"), 0);
    for (const char* pszTarget : {"Progr.ini", "null.ini"}) {
        CliResult r = Run({"-f", pszTarget, "import", "out.json", "--force"});
        EXPECT_EQ(r.nExit, 1) << pszTarget;
        EXPECT_NE(r.strErr.find("not a regular file"), std::string::npos) << r.strErr;
    }
    struct stat st;
    ASSERT_EQ(::lstat("Progr.ini", &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    ASSERT_EQ(::lstat("null.ini", &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}
#endif

TEST_F(CliFileSafetyTest, ImportForceReplacesAFileWithBytesAfterItsCatalogue)
{
    SaveOneChip();
    ASSERT_EQ(Run({"export", "-o", "out.json"}).nExit, 0);
    const Bytes clean = ReadFile();
    Bytes bytes = clean;
    bytes.push_back(0);
    WriteFile(bytes);
    CliResult r = Run({"import", "out.json", "--force"});
    EXPECT_EQ(r.nExit, 0) << r.strErr;
    EXPECT_EQ(ReadFile(), clean);
}

TEST_F(CliFileSafetyTest, ImportReportsEveryBadDocumentInItsOwnWordsAndExits2)
{
    const std::string strHead = R"({"format":"orvane-catalogue",)";
    const std::string strTail = R"("codepage":1252,"types":[],"entries":[]})";
    const std::string strDeep = std::string(80000, '[') + std::string(80000, ']');
    const struct {
        std::string strJson;
        std::string strMessage;
    } cases[] = {
        {strHead + R"("version":"1",)" + strTail, "in.json: version: \"1\" is not a version this tool reads (1)"},
        {strHead + R"("version":null,)" + strTail, "in.json: version: null is not a version this tool reads (1)"},
        {strHead + R"("version":1,"codepage":4294968548,"types":[],"entries":[]})",
         "in.json: codepage: 4294968548 is not a code page number"},
        {strHead + R"("version":1,"codepage":1200,"types":[],"entries":[]})",
         "in.json: codepage: code page 1200 is not supported; the supported pages are 874, 1250 to 1258, 932, 936, "
         "949, 950 and 65001"},
        {strHead + "\"version\":1" + std::string(400, '0') + "," + strTail,
         "in.json: not valid JSON: it holds a number too large to be read"},
        {strHead + R"("deep":)" + strDeep + R"(,"version":1,)" + strTail,
         "in.json: nested more than 100 levels deep at line 1, column 136; a catalogue needs three"},
        {strHead + "\"version\":1,\xFF", "in.json: not valid JSON at line 1, column 42, near \"ersion\":1,\\xFF\""},
        {R"({"format":"orvane-catalogue","version":1,"codepage":1252,"types":{},"entries":[]})",
         "in.json: types: is not an array"},
    };
    SaveOneChip();
    const Bytes before = ReadFile();
    for (const auto& c : cases) {
        WriteJson(c.strJson);
        CliResult r = Run({"import", "in.json", "--force"});
        EXPECT_EQ(r.nExit, 2) << c.strMessage;
        EXPECT_EQ(r.strErr, "orvane-cli: " + c.strMessage + "\n");
        EXPECT_EQ(r.strErr.find("json.exception"), std::string::npos);
        EXPECT_EQ(ReadFile(), before);
    }
}

TEST_F(CliFileSafetyTest, AChangeWaitsForAnotherWriterOnlySoLong)
{
    SaveOneChip();
    const Bytes before = ReadFile();
    CLockHolder holder(".");
    ASSERT_TRUE(holder.IsHeld());
    CFileLock::SetWaitLimit(50);
    for (const std::vector<std::string>& args : kChanges) {
        CliResult r = Run(args);
        EXPECT_EQ(r.nExit, 1);
        EXPECT_EQ(r.strErr, "orvane-cli: Cannot save Progr.ini: it is being saved by another program; try again.\n");
    }
    EXPECT_EQ(ReadFile(), before);
}

TEST_F(CliFileSafetyTest, ControlBytesInMessagesAreEscaped)
{
    CliResult r = Run({"-f", "bad\x1b[31m\xFF.ini", "list"});
    EXPECT_EQ(r.strErr, "orvane-cli: bad\\x1B[31m\\xFF.ini: no such file\n");
}

}  // namespace
