#include "CatalogTestSupport.h"

#include <cerrno>
#include <filesystem>
#ifdef _WIN32
#include <io.h>
#endif

// Saves written in place over a file with a second name, and what a failure there leaves
// and says. CatalogFileTest saves in place in a read-only folder; the fault injection
// script fails every call of a save in place in turn.

namespace {

void SetTemporaryFolder(const std::string& strFolder)
{
#ifdef _WIN32
    ::_putenv_s("TMP", strFolder.c_str());
#else
    ::setenv("TMPDIR", strFolder.c_str(), 1);
#endif
}

void ClearTemporaryFolder()
{
#ifdef _WIN32
    ::_putenv_s("TMP", "");
#else
    ::unsetenv("TMPDIR");
#endif
}

long SystemWrite(int fd, const void* p, std::size_t n)
{
#ifdef _WIN32
    return ::_write(fd, p, static_cast<unsigned>(n));
#else
    return static_cast<long>(::write(fd, p, n));
#endif
}

class InPlaceSaveTest : public CatalogInFolderTest {
protected:
    void SetUp() override
    {
        AddEntry(m_catalog, "24C04", SettingsOf({0x80, 0x80, 0, 1, 0x20, 0x10, 0x10, 8, 0xA0, 0, 0x10, 0}));
        WriteFileBytes(m_strPath, m_oldBytes);
        const char* pszOld = std::getenv(kTemporaryVariable);
        m_bHadTemporary = pszOld != nullptr;
        m_strOldTemporary = pszOld ? pszOld : "";
        SetTemporaryFolder(m_tmp.Path());
    }
    void TearDown() override
    {
        CatalogInFolderTest::TearDown();
        if (m_bHadTemporary)
            SetTemporaryFolder(m_strOldTemporary);
        else
            ClearTemporaryFolder();
    }

    void LinkSecondName() { std::filesystem::create_hard_link(m_strPath, m_strOther); }
    Bytes NewBytes() const { return CCatalogFile::StoreToBytes(m_catalog); }
    void ExpectBothNames(const Bytes& bytes)
    {
        EXPECT_EQ(ReadFileBytes(m_strPath), bytes);
        EXPECT_EQ(ReadFileBytes(m_strOther), bytes);
#ifndef _WIN32
        // The C runtime of Windows counts one link for every file.
        EXPECT_EQ(std::filesystem::hard_link_count(m_strPath), 2u);
#endif
    }

#ifdef _WIN32
    static constexpr const char* kTemporaryVariable = "TMP";
#else
    static constexpr const char* kTemporaryVariable = "TMPDIR";
#endif
    TempDir m_tmp;
    std::string m_strOther = m_dir / "other.ini";
    std::string m_strOldTemporary;
    bool m_bHadTemporary = false;
    const Bytes m_oldBytes = Hex("00 00 00 00 00 00 0E 0E");
};

TEST_F(InPlaceSaveTest, EveryNameOfAHardLinkedFileSeesEachSave)
{
    LinkSecondName();
#ifndef _WIN32
    ASSERT_EQ(::chmod(m_strPath.c_str(), 0640), 0);
    struct stat before;
    ASSERT_EQ(::stat(m_strPath.c_str(), &before), 0);
#endif
    CCatalogFile::SaveResult r = CCatalogFile::Save(m_catalog, m_strPath.c_str());
    ASSERT_TRUE(r.Ok()) << r.strMessage.GetString();
    ExpectBothNames(NewBytes());

    // A window's change over the other name: the change check and the stamp work as
    // for a replace, so a second change needs no re-apply.
    CChipCatalog window;
    CCatalogFile::Stamp stamp = CCatalogFile::Load(window, m_strOther.c_str()).stamp;
    for (const char* pszName : {"mine", "second"}) {
        AddEntry(window, pszName, SettingsOf({1}));
        r = CCatalogFile::SaveChange(window, stamp, nullptr, false, m_strOther.c_str());
        ASSERT_EQ(r.status, CCatalogFile::saved) << r.strMessage.GetString();
        ExpectBothNames(CCatalogFile::StoreToBytes(window));
    }
#ifndef _WIN32
    struct stat after;
    ASSERT_EQ(::stat(m_strPath.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
#endif
    EXPECT_EQ(m_dir.List().size(), 2u);
    EXPECT_TRUE(m_tmp.List().empty());
}

struct WriteFailure {
    const char* pszName;
    int nFailFirst;  // the first write call that fails, counting from 1; 0 for none
    int nFailLast;
    bool bTemporaryFolder;  // whether a copy of the old bytes can be made
    CCatalogFile::SaveStatus status;
    const char* pszTail;  // the message after "Cannot save PATH: "; the copy's path follows
};

// With the file's second name the save goes in place, and its writes, then those that
// put the old bytes back, fail as the case says.
const WriteFailure kWriteFailures[] = {
    {"FailsOnceAndIsWrittenBack", 1, 1, true, CCatalogFile::notSaved,
     "No space left on device while writing it in place; the old catalogue was written back and is intact."},
    {"FailsForGoodWithACopy", 1, 99, true, CCatalogFile::notSaved,
     "No space left on device while writing it in place, and writing the old catalogue back failed too "
     "(No space left on device), so the file may be damaged. A copy of the old catalogue is in "},
    {"FailsForGoodWithoutACopy", 1, 99, false, CCatalogFile::notSaved,
     "No space left on device while writing it in place, and writing the old catalogue back failed too "
     "(No space left on device), so the file may be damaged. No copy of the old catalogue could be made."},
    {"ShortAndInterruptedWritesGoOn", 0, 0, true, CCatalogFile::saved, ""},
};

class InPlaceWriteFailureTest : public InPlaceSaveTest, public testing::WithParamInterface<WriteFailure> {};

TEST_P(InPlaceWriteFailureTest, SaysWhatBecameOfTheOldCatalogue)
{
    const WriteFailure& c = GetParam();
    LinkSecondName();
    if (!c.bTemporaryFolder)
        SetTemporaryFolder(m_tmp / "nosuch");
    int nCalls = 0;
    CCatalogFile::SetWriteHook([&](int fd, const void* p, std::size_t n) -> long {
        ++nCalls;
        if (nCalls >= c.nFailFirst && nCalls <= c.nFailLast) {
            errno = ENOSPC;
            return -1;
        }
        if (nCalls % 2 == 0) {
            errno = EINTR;
            return -1;
        }
        return SystemWrite(fd, p, std::min<std::size_t>(n, 7));
    });
    const CCatalogFile::SaveResult r = CCatalogFile::Save(m_catalog, m_strPath.c_str());
    EXPECT_EQ(r.status, c.status);
    const std::string strExpected = c.status == CCatalogFile::saved ? "" : "Cannot save " + m_strPath + ": " + c.pszTail;
    EXPECT_EQ(r.strMessage.Str().substr(0, strExpected.size()), strExpected);
    const std::vector<std::string> copies = m_tmp.List();
    if (c.nFailLast == 99 && c.bTemporaryFolder) {
        // The message ends with the copy, which holds the old catalogue.
        ASSERT_EQ(copies.size(), 1u);
        EXPECT_EQ(copies[0].rfind("orvane-Progr.ini.", 0), 0u) << copies[0];
        const std::string strEnd = copies[0] + ".";
        EXPECT_NE(r.strMessage.Str().find(strExpected + m_tmp.Path()), std::string::npos) << r.strMessage.GetString();
        EXPECT_EQ(r.strMessage.Str().substr(r.strMessage.Str().size() - strEnd.size()), strEnd);
        EXPECT_EQ(ReadFileBytes(m_tmp / copies[0]), m_oldBytes);
        return;
    }
    EXPECT_TRUE(copies.empty());
    if (c.status == CCatalogFile::saved)
        ExpectBothNames(NewBytes());
    else if (c.nFailLast == 1)
        ExpectBothNames(m_oldBytes);
}

INSTANTIATE_TEST_SUITE_P(Writes, InPlaceWriteFailureTest, testing::ValuesIn(kWriteFailures),
                         [](const testing::TestParamInfo<WriteFailure>& info) { return info.param.pszName; });

}  // namespace
