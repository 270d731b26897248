#include "CatalogTestSupport.h"

#include "FileLock.h"
#include "support/LockHolder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#endif

namespace {

class FileSafetyTest : public CatalogInFolderTest {
protected:
    Bytes Stored() const { return CCatalogFile::StoreToBytes(m_catalog); }

    // Loads the file as a window does.
    CCatalogFile::LoadResult LoadFile(CChipCatalog& catalog) const
    {
        return CCatalogFile::Load(catalog, m_strPath.c_str());
    }
};

struct SpecialFile {
    const char* pszName;
    std::function<bool(const std::string& path)> make;
    const char* pszText;
};

// FIFOs, sockets and links to devices are POSIX matters; tests/windows tries the
// devices and pipes of Windows.
#ifndef _WIN32
bool MakeSocket(const std::string& path)
{
    int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (fd < 0 || path.size() >= sizeof addr.sun_path)
        return false;
    std::strcpy(addr.sun_path, path.c_str());
    bool bOk = ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    ::close(fd);
    return bOk;
}

#endif

const SpecialFile kSpecialFiles[] = {
#ifndef _WIN32
    {"Fifo", [](const std::string& p) { return ::mkfifo(p.c_str(), 0644) == 0; },
     "Is a FIFO (named pipe), not a regular file"},
    {"LinkToDevNull", [](const std::string& p) { return ::symlink("/dev/null", p.c_str()) == 0; },
     "Is a character device, not a regular file"},
    {"LinkToDevZero", [](const std::string& p) { return ::symlink("/dev/zero", p.c_str()) == 0; },
     "Is a character device, not a regular file"},
    {"Socket", MakeSocket, "Is a socket, not a regular file"},
#endif
    {"Folder", [](const std::string& p) { return std::filesystem::create_directory(p); }, "Is a directory"},
};

class SpecialFileTest : public FileSafetyTest, public testing::WithParamInterface<SpecialFile> {};

TEST_P(SpecialFileTest, IsNeitherReadNorReplacedAndNamedForWhatItIs)
{
    ASSERT_TRUE(GetParam().make(m_strPath));
    const auto kind = std::filesystem::symlink_status(m_strPath).type();
#ifndef _WIN32
    struct stat before;
    ASSERT_EQ(::lstat(m_strPath.c_str(), &before), 0);
#endif

    CChipCatalog catalog;
    CCatalogFile::LoadResult loaded = LoadFile(catalog);
    EXPECT_EQ(loaded.status, CCatalogFile::unreadable);
    EXPECT_EQ(loaded.strMessage.Str(), std::string("Cannot read " + m_strPath + ": " + GetParam().pszText));

    CCatalogFile::SaveResult saved = CCatalogFile::Save(m_catalog, m_strPath.c_str());
    EXPECT_EQ(saved.status, CCatalogFile::notSaved);
    EXPECT_EQ(saved.strMessage.Str(), std::string("Cannot save " + m_strPath + ": " + GetParam().pszText));
#ifndef _WIN32
    struct stat after;
    ASSERT_EQ(::lstat(m_strPath.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
#endif
    EXPECT_EQ(std::filesystem::symlink_status(m_strPath).type(), kind);
    EXPECT_EQ(m_dir.List().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SpecialFileTest, testing::ValuesIn(kSpecialFiles),
                         [](const testing::TestParamInfo<SpecialFile>& info) { return info.param.pszName; });

TEST_F(FileSafetyTest, AFileAboveTheCeilingIsRefusedBeforeItIsRead)
{
    WriteFileBytes(m_strPath, {});
    // Sparse: no disk space is used.
    std::filesystem::resize_file(m_strPath, CCatalogFile::MaxFileSize + 1);
    CChipCatalog catalog;
    CCatalogFile::LoadResult r = LoadFile(catalog);
    EXPECT_EQ(r.status, CCatalogFile::unreadable);
    EXPECT_EQ(r.strMessage.Str(), std::string("Cannot read " + m_strPath +
                                    ": Is 1073741825 bytes, more than the 1 GiB (1073741824 bytes) a catalogue may hold"));
}

TEST(FileReadAll, AFileThatIsNotOpenIsRefusedWithItsReason)
{
    CFile file;
    std::vector<BYTE> bytes{1, 2};
    EXPECT_FALSE(file.ReadAll(bytes));
    EXPECT_EQ(file.GetLastError(), EBADF);
    EXPECT_TRUE(bytes.empty());
}

TEST_F(FileSafetyTest, BytesAfterTheCatalogueAreCounted)
{
    for (std::size_t nExtra : {0, 1, 14}) {
        Bytes bytes = Stored();
        bytes.insert(bytes.end(), nExtra, 0xEE);
        WriteFileBytes(m_strPath, bytes);
        CChipCatalog catalog;
        CCatalogFile::LoadResult r = LoadFile(catalog);
        EXPECT_EQ(r.status, CCatalogFile::loaded);
        EXPECT_EQ(r.nTrailingBytes, nExtra);
    }
    // Six zero bytes: an empty type list and a count of 0, then two bytes nobody reads.
    WriteFileBytes(m_strPath, Hex("00 00 00 00 00 00 00 00"));
    CChipCatalog catalog;
    EXPECT_EQ(LoadFile(catalog).nTrailingBytes, 2u);
}

TEST_F(FileSafetyTest, TheStampTellsSameBytesFromChangedOnes)
{
    CChipCatalog catalog;
    const CCatalogFile::Stamp missing = LoadFile(catalog).stamp;
    EXPECT_FALSE(missing.bExists);

    WriteFileBytes(m_strPath, Stored());
    const CCatalogFile::Stamp first = LoadFile(catalog).stamp;
    EXPECT_FALSE(first.SameContent(missing));
    // A rewrite of the same bytes (a new inode) is no change; one changed byte is.
    ASSERT_TRUE(CCatalogFile::Save(m_catalog, m_strPath.c_str()).Ok());
    CChipCatalog again;
    EXPECT_TRUE(LoadFile(again).stamp.SameContent(first));
    Bytes changed = Stored();
    changed.back() ^= 1;
    WriteFileBytes(m_strPath, changed);
    CChipCatalog third;
    EXPECT_FALSE(LoadFile(third).stamp.SameContent(first));
}

// A window's change: append a chip named "mine".
bool AppendMine(CChipCatalog& catalog)
{
    AddEntry(catalog, "mine", SettingsOf({1}));
    return true;
}

TEST_F(FileSafetyTest, AChangeIsSavedOverAnUnchangedFileAndReappliedOverAChangedOne)
{
    ASSERT_TRUE(CCatalogFile::Save(m_catalog, m_strPath.c_str()).Ok());
    CChipCatalog window;
    CCatalogFile::Stamp stamp = LoadFile(window).stamp;
    AppendMine(window);

    // Another writer adds a chip meanwhile.
    CChipCatalog other;
    LoadFile(other);
    AddEntry(other, "theirs", SettingsOf({2}));
    ASSERT_TRUE(CCatalogFile::Save(other, m_strPath.c_str()).Ok());

    CCatalogFile::SaveResult r = CCatalogFile::SaveChange(window, stamp, AppendMine, false, m_strPath.c_str());
    ASSERT_EQ(r.status, CCatalogFile::saved) << r.strMessage.GetString();
    CChipCatalog result;
    CCatalogFile::LoadResult now = LoadFile(result);
    ASSERT_EQ(result.GetEntryCount(), 3);
    EXPECT_EQ(result.GetEntryName(1), "theirs");
    EXPECT_EQ(result.GetEntryName(2), "mine");
    EXPECT_TRUE(now.stamp.SameContent(stamp));

    // The window's copy and stamp now describe the file, so a second save needs no
    // re-apply and keeps the other writer's chip.
    ASSERT_EQ(window.GetEntryCount(), 3);
    AddEntry(window, "second", SettingsOf({3}));
    r = CCatalogFile::SaveChange(window, stamp, nullptr, false, m_strPath.c_str());
    EXPECT_EQ(r.status, CCatalogFile::saved);
    EXPECT_EQ(ReadFileBytes(m_strPath), CCatalogFile::StoreToBytes(window));
    EXPECT_EQ(window.GetEntryName(1), "theirs");
}

TEST_F(FileSafetyTest, AChangeThatDoesNotApplyWritesNothingUnlessOverwriteIsAsked)
{
    ASSERT_TRUE(CCatalogFile::Save(m_catalog, m_strPath.c_str()).Ok());
    CChipCatalog window;
    CCatalogFile::Stamp stamp = LoadFile(window).stamp;
    AddEntry(m_catalog, "theirs", SettingsOf({2}));
    ASSERT_TRUE(CCatalogFile::Save(m_catalog, m_strPath.c_str()).Ok());
    const Bytes theirs = ReadFileBytes(m_strPath);

    auto refuse = [](CChipCatalog&) { return false; };
    CCatalogFile::SaveResult r = CCatalogFile::SaveChange(window, stamp, refuse, false, m_strPath.c_str());
    EXPECT_EQ(r.status, CCatalogFile::conflict);
    EXPECT_EQ(ReadFileBytes(m_strPath), theirs);

    // Bytes after a fresh catalogue are not dropped by a re-apply either.
    Bytes trailing = theirs;
    trailing.push_back(0);
    WriteFileBytes(m_strPath, trailing);
    r = CCatalogFile::SaveChange(window, stamp, AppendMine, false, m_strPath.c_str());
    EXPECT_EQ(r.status, CCatalogFile::conflict);
    EXPECT_EQ(ReadFileBytes(m_strPath), trailing);

    r = CCatalogFile::SaveChange(window, stamp, refuse, true, m_strPath.c_str());
    EXPECT_EQ(r.status, CCatalogFile::saved);
    EXPECT_EQ(ReadFileBytes(m_strPath), CCatalogFile::StoreToBytes(window));

    // A file damaged meanwhile is reported and kept.
    WriteFileBytes(m_strPath, Hex("05 00"));
    r = CCatalogFile::SaveChange(window, stamp, AppendMine, false, m_strPath.c_str());
    EXPECT_EQ(r.status, CCatalogFile::notSaved);
    EXPECT_EQ(r.strMessage.Str().find(m_strPath + " has a bad format"), 0u) << r.strMessage.GetString();
    EXPECT_EQ(ReadFileBytes(m_strPath), Hex("05 00"));
}

TEST_F(FileSafetyTest, OnlyTemporaryFilesOfOurOwnPatternAreClearedBySaves)
{
    const std::vector<std::string> ours = {".Progr.ini.a1B2c3", ".Progr.ini.XXXXXX"};
    const std::vector<std::string> kept = {".Progr.ini.abc", ".Progr.ini.abcdefg", ".Progr.ini.ab-def",
                                           ".Other.ini.a1B2c3", "Progr.ini.a1B2c3", ".Progr.ini.dir123"};
    for (const std::string& name : ours)
        WriteFileBytes(m_dir / name, Hex("01"));
    for (const std::string& name : kept)
        if (name != ".Progr.ini.dir123")
            WriteFileBytes(m_dir / name, Hex("01"));
    ASSERT_TRUE(std::filesystem::create_directory(m_dir / ".Progr.ini.dir123"));

    ASSERT_TRUE(CCatalogFile::Save(m_catalog, m_strPath.c_str()).Ok());
    std::vector<std::string> left = m_dir.List();
    std::sort(left.begin(), left.end());
    std::vector<std::string> expected = kept;
    expected.push_back("Progr.ini");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(left, expected);
}

TEST_F(FileSafetyTest, ASaveWaitsForTheLockOnlySoLongAndThenSaysWhy)
{
    WriteFileBytes(m_strPath, Hex("00 00 00 00 00 00"));
    {
        CLockHolder holder(m_dir.Path());
        ASSERT_TRUE(holder.IsHeld());
        CFileLock::SetWaitLimit(50);
        CCatalogFile::SaveResult r = CCatalogFile::Save(m_catalog, m_strPath.c_str());
        EXPECT_EQ(r.strMessage.Str(),
                  std::string("Cannot save " + m_strPath + ": it is being saved by another program; try again."));
        EXPECT_EQ(ReadFileBytes(m_strPath), Hex("00 00 00 00 00 00"));
    }

    // Released, and taken again within this process without waiting for itself.
    CFileLock held;
    ASSERT_TRUE(CCatalogFile::Lock(held, m_strPath.c_str()).Ok());
    EXPECT_TRUE(CCatalogFile::Save(m_catalog, m_strPath.c_str()).Ok());
}

}  // namespace
