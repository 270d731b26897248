#include "CatalogApp.h"
#include "CatalogPlace.h"
#include "FileLock.h"
#include "Resource.h"

#include "catalog/CatalogTestSupport.h"
#include "support/CatalogDirFixture.h"
#include "support/LockHolder.h"
#include "support/PlaceCases.h"

#include <algorithm>
#include <filesystem>

// Paths reach the system as UTF-16 whatever the ANSI code page: a catalogue in a folder
// whose name no single page can spell is read, replaced, written in place, locked and
// named in the title like any other, while the names inside stay in the ANSI page.

namespace {
namespace fs = std::filesystem;

// The bytes of a file, read as the file layer reads it.
Bytes FileBytesAt(const std::string& strPath)
{
    CFile file;
    std::vector<BYTE> bytes;
    EXPECT_TRUE(file.Open(strPath.c_str(), CFile::modeRead) && file.ReadAll(bytes)) << strPath;
    return bytes;
}

class UnicodeFolderTest : public CatalogInFolderTest {
protected:
    void SetUp() override { ASSERT_TRUE(fs::create_directory(fs::u8path(m_strFolder))); }

    // The names in the folder, sorted.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const fs::directory_entry& e : fs::directory_iterator(fs::u8path(m_strFolder)))
            names.push_back(e.path().filename().u8string());
        std::sort(names.begin(), names.end());
        return names;
    }

    const std::string m_strFolder = m_dir.Path() + "\\" + kUnicodeFolder;
    const std::string m_strName = u8"\u0416\u0443\u043A.ini";
    const std::string m_strFile = m_strFolder + "\\" + m_strName;
};

TEST_F(UnicodeFolderTest, ACatalogueIsReplacedAndReadBack)
{
    ASSERT_TRUE(CCatalogFile::Save(m_catalog, m_strFile.c_str()).Ok());
    // What a killed save left behind goes with the next save.
    CFile stale;
    ASSERT_TRUE(stale.Open((m_strFolder + "\\." + m_strName + ".AbC123").c_str(), CFile::modeCreate | CFile::modeWrite));
    stale.Close();
    AddEntry(m_catalog, "Caf\xE9", ChipSettings{});
    const CCatalogFile::SaveResult r = CCatalogFile::Save(m_catalog, m_strFile.c_str());
    ASSERT_TRUE(r.Ok()) << r.strMessage.GetString();
    EXPECT_EQ(Names(), std::vector<std::string>{m_strName});
    EXPECT_EQ(FileBytesAt(m_strFile), CCatalogFile::StoreToBytes(m_catalog));
    CChipCatalog loaded;
    ASSERT_EQ(CCatalogFile::Load(loaded, m_strFile.c_str()).status, CCatalogFile::loaded);
    EXPECT_STREQ(loaded.GetEntryName(1), "Caf\xE9");
}

TEST_F(UnicodeFolderTest, AFileWithASecondNameIsWrittenInPlace)
{
    ASSERT_TRUE(CCatalogFile::Save(m_catalog, m_strFile.c_str()).Ok());
    const std::string strOther = m_strFolder + "\\other.ini";
    fs::create_hard_link(fs::u8path(m_strFile), fs::u8path(strOther));
    AddEntry(m_catalog, "24C04", ChipSettings{});
    const CCatalogFile::SaveResult r = CCatalogFile::Save(m_catalog, m_strFile.c_str());
    ASSERT_TRUE(r.Ok()) << r.strMessage.GetString();
    EXPECT_EQ(FileBytesAt(strOther), CCatalogFile::StoreToBytes(m_catalog));
    EXPECT_EQ(Names(), (std::vector<std::string>{"other.ini", m_strName}));
}

TEST_F(UnicodeFolderTest, TheFoldersLockHoldsAcrossProcesses)
{
    CLockHolder holder(m_strFolder);
    ASSERT_TRUE(holder.IsHeld());
    CFileLock::SetWaitLimit(50);
    EXPECT_EQ(CCatalogFile::Save(m_catalog, m_strFile.c_str()).strMessage.Str(),
              "Cannot save " + m_strFile + ": it is being saved by another program; try again.");
    EXPECT_TRUE(Names().empty());
}

// The editor started on such a folder names it in its title and saves there.
class UnicodeEditorTest : public CatalogDirFixture {};

TEST_F(UnicodeEditorTest, TheTitleNamesTheFolderAndADeletionIsSavedThere)
{
    ASSERT_TRUE(fs::create_directory(fs::u8path(kUnicodeFolder)));
    const std::string strFile = std::string(kUnicodeFolder) + "\\Progr.ini";
    SaveCatalog({"I2C"}, {{"24C01", {}}, {"24C02", {}}}, strFile.c_str());
    CCatalogPlace place;
    CString strError;
    CCatalogApp app;
    ASSERT_TRUE(CCatalogPlace::Resolve(kUnicodeFolder, place, strError) && place.Enter(app.m_file, strError))
        << strError.GetString();
    CDisplayText caption;
    m_backend.AnswerMessageBox(IDYES);
    m_backend.ExpectDialog(IDD_CHIPLIST_DIALOG, [&](CHeadlessDialog& dlg) {
        caption = dlg.Caption();
        dlg.SelectRow(IDC_CHIP_LIST, 0);
        dlg.Click(IDC_DELETE_CHIP);
        dlg.PressEscape();
    });
    app.InitInstance();
    EXPECT_TRUE(caption.IsUtf8());
    EXPECT_EQ(caption.Str(), "Orvane - " + m_strFull + "\\" + kUnicodeFolder + "\\Progr.ini");
    EXPECT_EQ(EntryNames(), std::vector<CString>{"24C02"});
}

}  // namespace
