#include "CatalogApp.h"
#include "CatalogPlace.h"
#include "Resource.h"

#include "NativeTestSupport.h"
#include "cli/CliTestSupport.h"
#include "support/CatalogDirFixture.h"

#include <cstdlib>
#include <filesystem>
#include <process.h>

// A catalogue installed under Program Files (x86) with the copy Windows keeps for old
// programs in the user's VirtualStore. Wine virtualizes nothing, so the test makes both
// folders itself; the editor and orvane-cli must work on the copy and say so. The
// install folder's name has Greek letters, which the ANSI code page (1252) lacks.

namespace {

// The tool's run, as the command-line tests make it.
struct CliRunner : CliTest {
    using CliTest::Run;
};

std::string Variable(const char* pszName)
{
    const char* psz = std::getenv(pszName);
    return psz ? psz : "";
}

class VirtualStoreTest : public CatalogDirFixture {
protected:
    void SetUp() override
    {
        CatalogDirFixture::SetUp();
        const std::string strProgramFiles = Variable("ProgramFiles(x86)");
        const std::string strLocal = Variable("LOCALAPPDATA");
        if (strProgramFiles.size() < 3 || strLocal.empty())
            GTEST_SKIP() << "no Program Files (x86) or LOCALAPPDATA in this environment";
        const std::string strName = u8"Orvane \u0394\u03BF\u03BA\u03B9\u03BC\u03AE " + std::to_string(::_getpid());
        m_strInstalled = strProgramFiles + "\\" + strName;
        m_strStore = strLocal + "\\VirtualStore" + strProgramFiles.substr(2) + "\\" + strName;
        m_strReal = m_strInstalled + "\\Progr.ini";
        m_strCopy = m_strStore + "\\Progr.ini";
        std::filesystem::create_directories(std::filesystem::u8path(m_strInstalled));
        SaveCatalog({"I2C"}, {{"INSTALLED", {}}}, m_strReal.c_str());
        m_realBytes = ReadBytes(m_strReal);
    }

    void TearDown() override
    {
        if (!m_strReal.empty()) {
            SetFileAttribute(m_strReal, false, false);
            std::error_code ec;
            std::filesystem::remove_all(std::filesystem::u8path(m_strInstalled), ec);
            std::filesystem::remove_all(std::filesystem::u8path(m_strStore), ec);
        }
        CatalogDirFixture::TearDown();
    }

    static std::vector<BYTE> ReadBytes(const std::string& strPath)
    {
        std::ifstream in(std::filesystem::u8path(strPath), std::ios::binary);
        return std::vector<BYTE>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    void MakeCopy()
    {
        std::filesystem::create_directories(std::filesystem::u8path(m_strStore));
        SaveCatalog({"I2C"}, {{"24C02", {}}, {"24C01", {}}}, m_strCopy.c_str());
    }

    std::string m_strInstalled, m_strStore, m_strReal, m_strCopy;
    std::vector<BYTE> m_realBytes;
};

TEST_F(VirtualStoreTest, TheEditorEditsTheCopyAndNamesItInTheTitle)
{
    MakeCopy();
    CCatalogPlace place;
    CString strError;
    CCatalogApp app;
    ASSERT_TRUE(CCatalogPlace::Resolve(m_strInstalled.c_str(), place, strError) &&
                place.Enter(app.m_file, strError))
        << strError.GetString();
    CDisplayText strCaption;
    std::vector<CString> rows;
    m_backend.AnswerMessageBox(IDYES);
    m_backend.ExpectDialog(IDD_CHIPLIST_DIALOG, [&](CHeadlessDialog& dlg) {
        strCaption = dlg.Caption();
        rows = dlg.Rows(IDC_CHIP_LIST);
        dlg.SelectRow(IDC_CHIP_LIST, 0);
        dlg.Click(IDC_DELETE_CHIP);
        dlg.PressEscape();
    });
    app.InitInstance();
    EXPECT_EQ(strCaption.Str(), "Orvane - " + m_strCopy + " (the VirtualStore copy the programmer reads)");
    EXPECT_EQ(rows, (std::vector<CString>{"24C01", "24C02"}));
    CChipCatalog copy;
    ASSERT_EQ(CCatalogFile::Load(copy, m_strCopy.c_str()).status, CCatalogFile::loaded);
    ASSERT_EQ(copy.GetEntryCount(), 1);
    EXPECT_STREQ(copy.GetEntryName(0), "24C02");
    EXPECT_EQ(ReadBytes(m_strReal), m_realBytes);
}

TEST_F(VirtualStoreTest, TheCommandLineToolReadsAndWritesTheCopyAndSaysSoOnce)
{
    MakeCopy();
    const std::string strNote = "orvane-cli: " + m_strReal + ": note: using its VirtualStore copy " + m_strCopy +
                                ", which the programmer's own software reads and writes\n";
    CliResult r = CliRunner::Run({"-f", m_strReal, "add", "Socket test", "--type", "0"});
    EXPECT_EQ(r.nExit, 0) << r.strErr;
    EXPECT_EQ(r.strErr, strNote);
    r = CliRunner::Run({"list", "-f", m_strReal});
    EXPECT_EQ(r.nExit, 0) << r.strErr;
    EXPECT_EQ(r.strErr, strNote);
    EXPECT_NE(r.strOut.find("Socket test"), std::string::npos) << r.strOut;
    EXPECT_EQ(r.strOut.find("INSTALLED"), std::string::npos) << r.strOut;
    EXPECT_EQ(ReadBytes(m_strReal), m_realBytes);
}

TEST_F(VirtualStoreTest, WithoutACopyARefusedSaveSaysWhatTheFolderNeedsAndWhereTheCopyWouldBe)
{
    ASSERT_TRUE(SetFileAttribute(m_strReal, false, true));
    const std::string strMessage = "Cannot save " + m_strReal +
                                   ": Permission denied. Its folder needs administrator rights to change; the "
                                   "programmer's own software would write its changes to " +
                                   m_strCopy + " instead.";
    CChipCatalog catalog;
    catalog.AddTypeName("I2C");
    EXPECT_EQ(CCatalogFile::Save(catalog, m_strReal.c_str()).strMessage.Str(), strMessage);
    const CliResult r = CliRunner::Run({"-f", m_strReal, "add", "Socket test", "--type", "0"});
    EXPECT_EQ(r.nExit, 1);
    EXPECT_EQ(r.strErr, "orvane-cli: " + strMessage + "\n");
    EXPECT_EQ(ReadBytes(m_strReal), m_realBytes);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::u8path(m_strStore)));
}

}  // namespace
