#include "CatalogTestSupport.h"

#include <cerrno>
#include <csignal>
#include <filesystem>
#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace {

// Owners, permission bits, file size limits and symbolic links are POSIX matters; the
// Windows build tests its own counterparts in tests/windows.
#ifndef _WIN32

// Runs file operations as an ordinary user when the tests run as root, so that
// permissions are enforced; restores the identity when it goes out of scope.
class AsOrdinaryUser {
public:
    static constexpr uid_t kNobody = 65534;
    AsOrdinaryUser() : m_bSwitched(::geteuid() == 0)
    {
        // A failed seteuid leaves the process root, which can take its group back.
        if (m_bSwitched && (::setegid(kNobody) != 0 || ::seteuid(kNobody) != 0)) {
            m_bFailed = true;
            m_bSwitched = false;
            if (::setegid(0) != 0)
                std::abort();
        }
    }
    // False when the tests run as root and could not become the user nobody.
    bool IsOrdinary() const { return !m_bFailed; }
    ~AsOrdinaryUser()
    {
        if (m_bSwitched && (::seteuid(0) != 0 || ::setegid(0) != 0))
            std::abort();
    }
    static void GiveAway(const std::string& path)
    {
        if (::geteuid() == 0 && ::chown(path.c_str(), kNobody, kNobody) != 0)
            ADD_FAILURE() << "chown " << path;
    }

private:
    bool m_bSwitched;
    bool m_bFailed = false;
};
#endif

class CatalogFileTest : public CatalogInFolderTest {
protected:
    void SetUp() override
    {
        AddEntry(m_catalog, "93C46", SettingsOf({0x80, 0x80, 0, 6, 2, 8, 4, 1, 0, 8, 8, 1}));
        ::chmod(m_dir.Path().c_str(), 0755);
    }

    // The old file is in place and nothing else is in the directory.
    void ExpectUntouched(const std::string& path)
    {
        EXPECT_EQ(ReadFileBytes(path), m_oldBytes);
        EXPECT_EQ(m_dir.List().size(), 1u);
    }

    const Bytes m_oldBytes = Hex("00 00 00 00 00 00");
};

}  // namespace

TEST_F(CatalogFileTest, MissingFilesAreNormalButUnreadableAndDamagedOnesAreReported)
{
    CChipCatalog catalog;
    CCatalogFile::LoadResult r = CCatalogFile::Load(catalog, m_strPath.c_str());
    EXPECT_EQ(r.status, CCatalogFile::noFile);
    EXPECT_TRUE(r.Ok());
    EXPECT_TRUE(r.strMessage.IsEmpty());

    WriteFileBytes(m_strPath, m_oldBytes);
    std::string beneathFile = m_strPath + "/Progr.ini";
    EXPECT_EQ(CCatalogFile::Load(catalog, beneathFile.c_str()).status, CCatalogFile::noFile);

    r = CCatalogFile::Load(catalog, m_dir.Path().c_str());
    EXPECT_EQ(r.status, CCatalogFile::unreadable);
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(r.strMessage.Str(), std::string("Cannot read " + m_dir.Path() + ": Is a directory"));

    WriteFileBytes(m_strPath, Hex("01 00 05 41"));
    r = CCatalogFile::Load(catalog, m_strPath.c_str());
    EXPECT_EQ(r.status, CCatalogFile::damaged);
    EXPECT_EQ(r.strMessage.Str(), std::string("An attempt was made to access " + m_strPath +
                                    " past its end (type name 0, byte offset 2)."));
}

#ifndef _WIN32
TEST_F(CatalogFileTest, AFileWithoutReadPermissionIsUnreadable)
{
    WriteFileBytes(m_strPath, m_oldBytes);
    ::chmod(m_strPath.c_str(), 0);
    CChipCatalog catalog;
    AsOrdinaryUser user;
    CCatalogFile::LoadResult r = CCatalogFile::Load(catalog, m_strPath.c_str());
    EXPECT_EQ(r.status, CCatalogFile::unreadable);
    EXPECT_EQ(r.strMessage.Str(), std::string("Cannot read " + m_strPath + ": Permission denied"));
}
#endif

TEST_F(CatalogFileTest, SaveReplacesTheFileAndLeavesNothingElse)
{
    WriteFileBytes(m_strPath, m_oldBytes);
    ::chmod(m_strPath.c_str(), 0640);
    CCatalogFile::SaveResult r = CCatalogFile::Save(m_catalog, m_strPath.c_str());
    ASSERT_TRUE(r.Ok()) << r.strMessage.GetString();
    EXPECT_TRUE(r.strMessage.IsEmpty());
    EXPECT_EQ(ReadFileBytes(m_strPath), CCatalogFile::StoreToBytes(m_catalog));
    EXPECT_EQ(m_dir.List(), std::vector<std::string>{"Progr.ini"});
#ifndef _WIN32
    struct stat st;
    ASSERT_EQ(::stat(m_strPath.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
#endif

    CChipCatalog reloaded;
    EXPECT_EQ(CCatalogFile::Load(reloaded, m_strPath.c_str()).status, CCatalogFile::loaded);
    EXPECT_EQ(reloaded.GetEntryName(1), "93C46");
}

#ifndef _WIN32
TEST_F(CatalogFileTest, ANewFileGetsTheUmaskMode)
{
    mode_t old = ::umask(027);
    CCatalogFile::SaveResult r = CCatalogFile::Save(m_catalog, m_strPath.c_str());
    ::umask(old);
    ASSERT_TRUE(r.Ok());
    struct stat st;
    ASSERT_EQ(::stat(m_strPath.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}
#endif

TEST_F(CatalogFileTest, AWriteFailingAtAnyByteLeavesTheOldFile)
{
    WriteFileBytes(m_strPath, m_oldBytes);
    const std::size_t nTotal = CCatalogFile::StoreToBytes(m_catalog).size();
    for (std::size_t nFailAt = 0; nFailAt < nTotal; ++nFailAt) {
        std::size_t nWritten = 0;
        CCatalogFile::SetWriteHook([&](int fd, const void* p, std::size_t n) -> long {
            if (nWritten == nFailAt) {
                errno = ENOSPC;
                return -1;
            }
            // Short writes up to the failing byte, so every position is reached.
            long nOk = static_cast<long>(::write(fd, p, std::min(n, nFailAt - nWritten)));
            nWritten += static_cast<std::size_t>(nOk);
            return nOk;
        });
        CCatalogFile::SaveResult r = CCatalogFile::Save(m_catalog, m_strPath.c_str());
        EXPECT_FALSE(r.Ok()) << nFailAt;
        EXPECT_EQ(r.strMessage.Str(), std::string("Cannot save " + m_strPath + ": No space left on device"));
        ExpectUntouched(m_strPath);
    }
}

TEST_F(CatalogFileTest, ShortWritesAndInterruptionsStillSaveEverything)
{
    int nCalls = 0;
    CCatalogFile::SetWriteHook([&](int fd, const void* p, std::size_t n) -> long {
        if (++nCalls % 3 == 0) {
            errno = EINTR;
            return -1;
        }
        return static_cast<long>(::write(fd, p, std::min<std::size_t>(n, 5)));
    });
    ASSERT_TRUE(CCatalogFile::Save(m_catalog, m_strPath.c_str()).Ok());
    EXPECT_EQ(ReadFileBytes(m_strPath), CCatalogFile::StoreToBytes(m_catalog));

    CCatalogFile::SetWriteHook([](int, const void*, std::size_t) -> long { return 0; });
    EXPECT_FALSE(CCatalogFile::Save(m_catalog, m_strPath.c_str()).Ok());
    EXPECT_EQ(m_dir.List().size(), 1u);
}

#ifndef _WIN32
TEST_F(CatalogFileTest, AFileSizeLimitFailsTheSaveCleanly)
{
    WriteFileBytes(m_strPath, m_oldBytes);
    struct rlimit old;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit tiny = old;
    tiny.rlim_cur = 10;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    CCatalogFile::SaveResult r = CCatalogFile::Save(m_catalog, m_strPath.c_str());
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(r.strMessage.Str(), std::string("Cannot save " + m_strPath + ": File too large"));
    ExpectUntouched(m_strPath);
}

// A folder that refuses new files takes no temporary file, but the user's own writable
// file in it is saved in place, keeping its owner and mode. A read-only file is refused
// wherever it lies.
TEST_F(CatalogFileTest, AWritableFileInAReadOnlyFolderIsSavedInPlaceAndAReadOnlyFileNowhere)
{
    const struct {
        mode_t nDir;
        mode_t nFile;
        bool bSaved;
    } cases[] = {{0555, 0444, false}, {0755, 0444, false}, {0555, 0604, true}};
    const CString denied("Cannot save " + m_strPath + ": Permission denied");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nFile);
        WriteFileBytes(m_strPath, m_oldBytes);
        AsOrdinaryUser::GiveAway(m_dir.Path());
        AsOrdinaryUser::GiveAway(m_strPath);
        ::chmod(m_strPath.c_str(), c.nFile);
        ::chmod(m_dir.Path().c_str(), c.nDir);
        CCatalogFile::SaveResult r;
        {
            AsOrdinaryUser user;
            if (!user.IsOrdinary()) {
                ::chmod(m_dir.Path().c_str(), 0755);
                GTEST_SKIP() << "cannot act as the user nobody, for whom a read-only folder is read-only";
            }
            r = CCatalogFile::Save(m_catalog, m_strPath.c_str());
        }
        ::chmod(m_dir.Path().c_str(), 0755);
        if (!c.bSaved) {
            EXPECT_EQ(r.strMessage.Str(), denied.Str());
            ExpectUntouched(m_strPath);
            continue;
        }
        EXPECT_TRUE(r.Ok()) << r.strMessage.GetString();
        EXPECT_EQ(ReadFileBytes(m_strPath), CCatalogFile::StoreToBytes(m_catalog));
        struct stat st;
        ASSERT_EQ(::stat(m_strPath.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.nFile);
        if (::geteuid() == 0) {
            EXPECT_EQ(st.st_uid, AsOrdinaryUser::kNobody);
        }
        EXPECT_EQ(m_dir.List().size(), 1u);
    }
}
#endif

TEST_F(CatalogFileTest, ADirectoryOrAMissingFolderIsNoTarget)
{
    std::string sub = m_dir / "sub";
    ASSERT_TRUE(std::filesystem::create_directory(sub));
    CCatalogFile::SaveResult r = CCatalogFile::Save(m_catalog, sub.c_str());
    EXPECT_EQ(r.strMessage.Str(), std::string("Cannot save " + sub + ": Is a directory"));
    EXPECT_EQ(m_dir.List(), std::vector<std::string>{"sub"});

    std::string missing = m_dir / "none/Progr.ini";
    r = CCatalogFile::Save(m_catalog, missing.c_str());
    EXPECT_EQ(r.strMessage.Str(), std::string("Cannot save " + missing + ": No such file or directory"));
}

#ifndef _WIN32
TEST_F(CatalogFileTest, SymbolicLinksAreKeptAndWrittenThrough)
{
    std::string real = m_dir / "data/real.ini";
    ASSERT_EQ(::mkdir((m_dir / "data").c_str(), 0755), 0);
    WriteFileBytes(real, m_oldBytes);
    ::chmod(real.c_str(), 0604);
    ASSERT_EQ(::symlink("data/real.ini", m_strPath.c_str()), 0);

    ASSERT_TRUE(CCatalogFile::Save(m_catalog, m_strPath.c_str()).Ok());
    struct stat st;
    ASSERT_EQ(::lstat(m_strPath.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(ReadFileBytes(real), CCatalogFile::StoreToBytes(m_catalog));
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0604u);

    // A link whose target does not exist yet creates the target.
    std::string dangling = m_dir / "dangling.ini";
    ASSERT_EQ(::symlink("data/new.ini", dangling.c_str()), 0);
    ASSERT_TRUE(CCatalogFile::Save(m_catalog, dangling.c_str()).Ok());
    ASSERT_EQ(::lstat(dangling.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(ReadFileBytes(m_dir / "data/new.ini"), CCatalogFile::StoreToBytes(m_catalog));

    std::string loop = m_dir / "loop.ini";
    ASSERT_EQ(::symlink("loop.ini", loop.c_str()), 0);
    EXPECT_FALSE(CCatalogFile::Save(m_catalog, loop.c_str()).Ok());
}
#endif
