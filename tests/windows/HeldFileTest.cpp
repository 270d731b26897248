#include "ChipListDlg.h"
#include "Resource.h"
#include "ShareRetry.h"

#include "NativeTestSupport.h"
#include "catalog/CatalogTestSupport.h"
#include "support/CatalogDirFixture.h"


// Another program holds the catalogue open and shares it with no writer (or no reader):
// the file layer waits about a second for the hold to end, then says what holds the file
// and what to do. The waits here are recorded instead of slept.

namespace {

std::string Held(const std::string& strPath, const char* pszVerb, const char* pszAllowed)
{
    return "Cannot " + std::string(pszVerb) + " " + strPath +
           ": it is open in another program that does not allow it to be " + pszAllowed +
           ", such as the programmer's software. Close that program and try again; the catalogue is unchanged.";
}

class HeldFileTest : public CatalogInFolderTest {
protected:
    void SetUp() override
    {
        WriteFileBytes(m_strPath, m_oldBytes);
        CShareRetry::SetPause([this](int nMs) {
            m_nWaited += nMs;
            if (m_bReleaseOnWait)
                m_other.reset();
        });
    }
    void TearDown() override
    {
        CShareRetry::SetPause(nullptr);
        m_other.reset();
        CatalogInFolderTest::TearDown();
    }
    void ExpectOldAndAlone()
    {
        EXPECT_EQ(ReadFileBytes(m_strPath), m_oldBytes);
        EXPECT_EQ(m_dir.List(), std::vector<std::string>{"Progr.ini"});
    }

    const Bytes m_oldBytes = Hex("00 00 00 00 00 00");
    std::shared_ptr<void> m_other;
    bool m_bReleaseOnWait = false;
    int m_nWaited = 0;
};

TEST_F(HeldFileTest, AFileNobodyMayReadIsNeitherReadNorSavedAfterTheWait)
{
    m_other = OpenShared(m_strPath, shareNone);
    ASSERT_TRUE(m_other);
    CChipCatalog catalog;
    const CCatalogFile::LoadResult loaded = CCatalogFile::Load(catalog, m_strPath.c_str());
    EXPECT_EQ(loaded.status, CCatalogFile::unreadable);
    EXPECT_EQ(loaded.strMessage.Str(), Held(m_strPath, "read", "read"));
    EXPECT_EQ(m_nWaited, CShareRetry::WaitLimitMs);
    const CCatalogFile::SaveResult saved = CCatalogFile::Save(m_catalog, m_strPath.c_str());
    EXPECT_EQ(saved.status, CCatalogFile::notSaved);
    EXPECT_EQ(saved.strMessage.Str(), Held(m_strPath, "save", "changed"));
    m_other.reset();
    ExpectOldAndAlone();
}

TEST_F(HeldFileTest, AFileOpenForReadingIsReadButNotChanged)
{
    m_other = OpenShared(m_strPath, shareRead);
    ASSERT_TRUE(m_other);
    CChipCatalog catalog;
    EXPECT_EQ(CCatalogFile::Load(catalog, m_strPath.c_str()).status, CCatalogFile::loaded);
    EXPECT_EQ(m_nWaited, 0);
    EXPECT_EQ(CCatalogFile::Save(m_catalog, m_strPath.c_str()).strMessage.Str(), Held(m_strPath, "save", "changed"));
    EXPECT_EQ(m_nWaited, CShareRetry::WaitLimitMs);
    m_other.reset();
    ExpectOldAndAlone();
}

TEST_F(HeldFileTest, AHoldReleasedDuringTheWaitLetsTheSaveThrough)
{
    m_other = OpenShared(m_strPath, shareRead);
    m_bReleaseOnWait = true;
    const CCatalogFile::SaveResult r = CCatalogFile::Save(m_catalog, m_strPath.c_str());
    ASSERT_TRUE(r.Ok()) << r.strMessage.GetString();
    EXPECT_GT(m_nWaited, 0);
    EXPECT_EQ(ReadFileBytes(m_strPath), CCatalogFile::StoreToBytes(m_catalog));
    EXPECT_EQ(m_dir.List(), std::vector<std::string>{"Progr.ini"});
}

// The editor's windows show the same words, and the chip stays.
class HeldCatalogEditorTest : public CatalogDirFixture {
protected:
    void TearDown() override
    {
        CShareRetry::SetPause(nullptr);
        CatalogDirFixture::TearDown();
    }
};

TEST_F(HeldCatalogEditorTest, DeleteChipSaysWhatHoldsTheFile)
{
    SaveCatalog({"I2C"}, {{"24C02", {}}});
    const std::vector<BYTE> before = FileBytes();
    const std::shared_ptr<void> other = OpenShared("Progr.ini", shareRead);
    ASSERT_TRUE(other);
    CShareRetry::SetPause([](int) {});
    m_backend.AnswerMessageBox(IDYES);
    m_backend.ExpectDialog(IDD_CHIPLIST_DIALOG, [](CHeadlessDialog& d) {
        d.SelectRow(IDC_CHIP_LIST, 0);
        d.Click(IDC_DELETE_CHIP);
        EXPECT_EQ(d.Rows(IDC_CHIP_LIST), std::vector<CString>{"24C02"});
        d.Click(IDCANCEL);
    });
    CChipListDlg dlg;
    dlg.DoModal();
    ASSERT_EQ(m_backend.Messages().size(), 2u);
    EXPECT_EQ(m_backend.Messages()[1].strText.Str(), Held("Progr.ini", "save", "changed"));
    EXPECT_EQ(FileBytes(), before);
}

}  // namespace
