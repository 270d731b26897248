#include "CatalogPlace.h"
#include "FileLock.h"

#include "NativeTestSupport.h"
#include "catalog/CatalogTestSupport.h"
#include "cli/CliTestSupport.h"
#include "support/LockHolder.h"
#include "support/PlaceCases.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

// The Windows counterparts of the POSIX file cases: devices and pipes, attributes, and
// the folder's lock across processes. HeldFileTest has another program's handle.

namespace {

class WindowsFileTest : public CatalogInFolderTest {
protected:
    void WriteOld() { WriteFileBytes(m_strPath, m_oldBytes); }
    void ExpectOldAndAlone()
    {
        EXPECT_EQ(ReadFileBytes(m_strPath), m_oldBytes);
        EXPECT_EQ(m_dir.List(), std::vector<std::string>{"Progr.ini"});
    }

    const Bytes m_oldBytes = Hex("00 00 00 00 00 00");
};

struct DeviceCase {
    const char* pszPath;
    const char* pszText;
};

class DeviceTest : public WindowsFileTest, public testing::WithParamInterface<DeviceCase> {};

// Device names are devices in every folder, and opening one would talk to it.
TEST_P(DeviceTest, IsNeitherOpenedNorReplaced)
{
    const std::string strPath = GetParam().pszPath[0] == '\\' ? GetParam().pszPath : m_dir / GetParam().pszPath;
    CChipCatalog catalog;
    const CCatalogFile::LoadResult loaded = CCatalogFile::Load(catalog, strPath.c_str());
    EXPECT_EQ(loaded.status, CCatalogFile::unreadable);
    EXPECT_EQ(loaded.strMessage.Str(), std::string("Cannot read " + strPath + ": " + GetParam().pszText));
    const CCatalogFile::SaveResult saved = CCatalogFile::Save(m_catalog, strPath.c_str());
    EXPECT_EQ(saved.status, CCatalogFile::notSaved);
    EXPECT_EQ(saved.strMessage.Str(), std::string("Cannot save " + strPath + ": " + GetParam().pszText));
    EXPECT_TRUE(m_dir.List().empty());
}

INSTANTIATE_TEST_SUITE_P(Names, DeviceTest,
                         testing::Values(DeviceCase{"NUL", "Is a character device, not a regular file"},
                                         DeviceCase{"CON", "Is a character device, not a regular file"},
                                         DeviceCase{"COM1", "Is a character device, not a regular file"},
                                         DeviceCase{"\\\\.\\pipe\\orvane-test", "Is a FIFO (named pipe), not a regular file"}),
                         [](const testing::TestParamInfo<DeviceCase>& info) {
                             std::string name = info.param.pszPath;
                             name.erase(std::remove_if(name.begin(), name.end(), [](char ch) { return !std::isalnum(ch); }),
                                        name.end());
                             return name;
                         });

TEST_F(WindowsFileTest, AReadOnlyFileIsNotReplaced)
{
    WriteOld();
    ASSERT_TRUE(SetFileAttribute(m_strPath, false, true));
    EXPECT_EQ(CCatalogFile::Save(m_catalog, m_strPath.c_str()).strMessage.Str(),
              std::string("Cannot save " + m_strPath + ": Permission denied"));
    ASSERT_TRUE(SetFileAttribute(m_strPath, false, false));
    ExpectOldAndAlone();
}

TEST_F(WindowsFileTest, TheReplacedFileKeepsItsAttributes)
{
    WriteOld();
    ASSERT_TRUE(SetFileAttribute(m_strPath, true, false));
    const CCatalogFile::SaveResult r = CCatalogFile::Save(m_catalog, m_strPath.c_str());
    ASSERT_TRUE(r.Ok()) << r.strMessage.GetString();
    EXPECT_TRUE(HasHiddenAttribute(m_strPath));
    EXPECT_EQ(ReadFileBytes(m_strPath), CCatalogFile::StoreToBytes(m_catalog));
    EXPECT_EQ(m_dir.List().size(), 1u);
}

TEST_F(WindowsFileTest, TheLockIsTheFoldersWhateverItsSpelling)
{
    WriteOld();
    std::string strOther = m_dir.Path();
    std::transform(strOther.begin(), strOther.end(), strOther.begin(), [](char ch) { return std::toupper(ch); });
    strOther += "\\.\\Progr.ini";
    CLockHolder holder(m_dir.Path());
    ASSERT_TRUE(holder.IsHeld());
    CFileLock::SetWaitLimit(50);
    EXPECT_EQ(CCatalogFile::Save(m_catalog, strOther.c_str()).strMessage.Str(),
              std::string("Cannot save " + strOther + ": it is being saved by another program; try again."));
    ExpectOldAndAlone();
}

TEST_F(WindowsFileTest, ALockWhoseHolderDiedIsFree)
{
    CLockHolder holder(m_dir.Path());
    ASSERT_TRUE(holder.IsHeld());
    holder.Kill();
    const CCatalogFile::SaveResult r = CCatalogFile::Save(m_catalog, m_strPath.c_str());
    EXPECT_TRUE(r.Ok()) << r.strMessage.GetString();
}

class WindowsPlaceTest : public WorkDirFixture {
protected:
    void SetUp() override
    {
        WorkDirFixture::SetUp();
        ASSERT_TRUE(std::filesystem::create_directory("sub"));
        std::ofstream("sub\\other.dat") << "x";
        MakeUnicodeFolder();
    }
};

TEST_F(WindowsPlaceTest, ResolvesWindowsPathsAndShowsThemWithBackslashes)
{
    for (bool bBackslashes : {false, true})
        ExpectPlaces(kPlaces, m_strFull, '\\', bBackslashes);
    ExpectPlaces({{"NUL", nullptr, nullptr}}, m_strFull, '\\');
    CCatalogPlace root;
    CString strError;
    const std::string strRoot = m_strFull.substr(0, 3);
    ASSERT_TRUE(CCatalogPlace::Resolve(strRoot.c_str(), root, strError)) << strError.GetString();
    EXPECT_EQ(root.m_strFolder.Str(), strRoot);
    EXPECT_EQ(root.DisplayPath().Str(), strRoot + "Progr.ini");
}

TEST_F(WindowsPlaceTest, EnteringMakesTheFolderWorking)
{
    ExpectEntered("sub\\other.dat", m_strFull + "\\sub", "other.dat");
    const std::string strFolder = m_strFull + "\\" + kUnicodeFolder;
    ExpectEntered((strFolder + "\\Progr.ini").c_str(), strFolder, "Progr.ini");
}

class WindowsCliTest : public CliTest {};

TEST_F(WindowsCliTest, DevicesAreRefusedByEveryCommand)
{
    ASSERT_EQ(Run({"-f", "good.ini", "add", "x", "--type", "0"}).nExit, 0);
    ASSERT_EQ(Run({"-f", "good.ini", "export", "-o", "out.json"}).nExit, 0);
    const std::vector<std::vector<std::string>> commands = {
        {"list"}, {"check"}, {"dump"}, {"add", "y", "--type", "0"}, {"import", "out.json", "--force"}};
    for (const std::vector<std::string>& args : commands) {
        std::vector<std::string> withFile = {"-f", "NUL"};
        withFile.insert(withFile.end(), args.begin(), args.end());
        const CliResult r = Run(withFile);
        EXPECT_NE(r.nExit, 0) << args[0];
        EXPECT_NE(r.strErr.find("NUL"), std::string::npos) << r.strErr;
        EXPECT_NE(r.strErr.find("not a regular file"), std::string::npos) << r.strErr;
    }
}

}  // namespace
