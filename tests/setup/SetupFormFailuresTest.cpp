#include "SetupFormTestSupport.h"

#include <filesystem>
#include <cerrno>
#include <sys/stat.h>

using namespace setup_test;

namespace {

class SetupFormFailuresTest : public BothFormsTest {
protected:
    SetupFormFailuresTest() { m_nVariant = 1; }

    std::vector<CString> ExpectedLoadMessage() const
    {
        CChipCatalog catalog;
        return {CCatalogFile::Load(catalog).strMessage.Str()};
    }
};

TEST_P(SetupFormFailuresTest, DamagedFileIsReportedAndNeverWrittenOver)
{
    // Five type names announced, none present.
    const std::vector<BYTE> damaged = {0x05, 0x00, 0x01};
    WriteRawFile(damaged);
    for (bool bNew : {true, false}) {
        m_backend.ClearMessages();
        EXPECT_EQ(Run(bNew, 0, nullptr), IDCANCEL);
        ASSERT_EQ(Messages(), ExpectedLoadMessage());
        EXPECT_FALSE(Messages().front().IsEmpty());
        EXPECT_EQ(FileBytes(), damaged);
    }
}

TEST_P(SetupFormFailuresTest, UnreadableFileIsReported)
{
    ASSERT_TRUE(std::filesystem::create_directory(CCatalogFile::DefaultFileName));
    EXPECT_EQ(Run(true, 0, nullptr), IDCANCEL);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages(), ExpectedLoadMessage());
    struct stat st;
    ASSERT_EQ(::stat(CCatalogFile::DefaultFileName, &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
}

TEST_P(SetupFormFailuresTest, EditOfAnIndexThatNamesNoEntryIsReported)
{
    WriteCatalog({{"only", SettingsFromHex("80 80 00 01 20 10 10 08 A0 00 10 00")}});
    std::vector<BYTE> before = FileBytes();
    for (int nIndex : {1, -1}) {
        m_backend.ClearMessages();
        EXPECT_EQ(Run(false, nIndex, nullptr), IDCANCEL);
        CString strExpected;
        strExpected.Format("Progr.ini has no chip at index %d (chip count: 1).", nIndex);
        EXPECT_EQ(Messages(), std::vector<CString>{strExpected});
    }
    EXPECT_EQ(FileBytes(), before);
}

TEST_P(SetupFormFailuresTest, EditWithoutAFileIsReportedAndCreatesNone)
{
    EXPECT_EQ(Run(false, 0, nullptr), IDCANCEL);
    EXPECT_EQ(Messages(), std::vector<CString>{"Progr.ini has no chip at index 0 (chip count: 0)."});
    struct stat st;
    EXPECT_NE(::stat(CCatalogFile::DefaultFileName, &st), 0);
}

TEST_P(SetupFormFailuresTest, FailedSaveKeepsTheFormOpenForAnotherTry)
{
    WriteCatalog({{"only", SettingsFromHex("80 80 00 01 20 10 10 08 A0 00 10 00")}});
    std::vector<BYTE> before = FileBytes();
    FailWrites(ENOSPC);
    int nResult = Run(true, 0, [&](CHeadlessDialog& d) {
        d.Type(IDC_NAME, "new chip");
        d.Type(IDC_LENGTH, "512");
        d.Click(IDOK);
        EXPECT_FALSE(d.IsEnded());
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_NE(Messages()[0].Str().find("Progr.ini"), std::string::npos);
        EXPECT_NE(Messages()[0].Str().find("space"), std::string::npos);
        EXPECT_EQ(d.Text(IDC_NAME), "new chip");
        EXPECT_EQ(d.Text(IDC_LENGTH), "512");
        EXPECT_EQ(FileBytes(), before);
        CCatalogFile::SetWriteHook(nullptr);
        d.Click(IDOK);
    });
    EXPECT_EQ(nResult, IDOK);
    CChipCatalog catalog;
    Reload(catalog);
    ASSERT_EQ(catalog.GetEntryCount(), 2);
    EXPECT_EQ(catalog.GetEntryName(0), "only");
    EXPECT_EQ(catalog.GetEntryName(1), "new chip");
    EXPECT_EQ(catalog.GetLength(1), 512);
}

TEST_P(SetupFormFailuresTest, FailedSaveThenCancelLeavesTheFile)
{
    WriteCatalog({{"only", SettingsFromHex("80 80 00 01 20 10 10 08 A0 00 10 00")}});
    std::vector<BYTE> before = FileBytes();
    FailWrites(EIO);
    int nResult = Run(false, 0, [](CHeadlessDialog& d) {
        d.Type(IDC_NAME, "renamed");
        d.Click(IDOK);
        EXPECT_FALSE(d.IsEnded());
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(nResult, IDCANCEL);
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_EQ(FileBytes(), before);
}

INSTANTIATE_TEST_SUITE_P(BothForms, SetupFormFailuresTest, ::testing::Bool(), SetupFormFailuresTest::FormName);

}  // namespace
