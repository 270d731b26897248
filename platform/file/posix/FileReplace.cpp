#include "FileReplace.h"

#include "PosixFileStatus.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

mode_t NewFileMode()
{
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Runs a call until it is not interrupted; 0 or its errno.
template <typename Call>
int Uninterrupted(Call call)
{
    while (call() != 0) {
        if (errno != EINTR)
            return errno;
    }
    return 0;
}

int SyncFolder(const std::string& dir)
{
    int fd;
    do {
        fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return errno;
    const int nError = Uninterrupted([fd] { return ::fsync(fd); });
    ::close(fd);
    return nError;
}

}  // namespace

std::string CFileReplace::DirectoryOf(const std::string& path)
{
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string CFileReplace::BaseNameOf(const std::string& path)
{
    return path.substr(path.rfind('/') + 1);
}

int CFileReplace::ResolveTarget()
{
    for (int nHops = 0; nHops < 40; ++nHops) {
        struct stat st;
        if (::lstat(m_strTarget.c_str(), &st) != 0)
            return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(st.st_mode)) {
            m_bExists = true;
            m_nMode = st.st_mode & 07777;
            m_nUid = st.st_uid;
            m_nGid = st.st_gid;
            m_nLinks = static_cast<unsigned>(st.st_nlink);
            if (int nError = CFile::KindError(KindOfMode(st.st_mode)))
                return nError;
            // Renaming over a file needs no permission on the file itself, but a file
            // its owner made read-only is not to be replaced behind their back.
            return ::faccessat(AT_FDCWD, m_strTarget.c_str(), W_OK, AT_EACCESS) == 0 ? 0 : errno;
        }
        std::string link(static_cast<std::size_t>(PATH_MAX), '\0');
        ssize_t n = ::readlink(m_strTarget.c_str(), &link[0], link.size());
        if (n < 0)
            return errno;
        link.resize(static_cast<std::size_t>(n));
        m_strTarget = link[0] == '/' ? link : DirectoryOf(m_strTarget) + "/" + link;
    }
    return ELOOP;
}

int CFileReplace::RemoveStaleTemporaries() const
{
    const std::string dir = GetFolder();
    const std::string prefix = TemporaryPrefix();
    DIR* d = ::opendir(dir.c_str());
    if (!d)
        return 0;
    int nRemoved = 0;
    while (const dirent* e = ::readdir(d)) {
        if (std::strncmp(e->d_name, prefix.c_str(), prefix.size()) != 0 ||
            !IsTemporarySuffix(e->d_name + prefix.size()))
            continue;
        const std::string path = dir + "/" + e->d_name;
        struct stat st;
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(path.c_str()) == 0)
            ++nRemoved;
    }
    ::closedir(d);
    return nRemoved;
}

// Gives the temporary file the old file's owner (best effort: only the super-user can
// always do it) and permission bits, then writes and syncs it.
int CFileReplace::FillTemporary(int fd, const void* pData, std::size_t nSize)
{
    const mode_t mode = m_bExists ? static_cast<mode_t>(m_nMode) : NewFileMode();
    if (m_bExists && (m_nUid != ::geteuid() || m_nGid != ::getegid()))
        (void)::fchown(fd, m_nUid, m_nGid);
    if (::fchmod(fd, mode) != 0)
        return errno;
    if (int nError = WriteAll(fd, pData, nSize))
        return nError;
    const int nError = Uninterrupted([fd] { return ::fsync(fd); });
    struct stat st;
    if (nError == 0 && ::fstat(fd, &st) == 0)
        m_newIdentity = IdentityOf(st);
    return nError;
}

int CFileReplace::CreateTemporary(const std::string& strPrefix, std::string& strPath, int& fd)
{
    do {
        strPath = strPrefix + "XXXXXX";
        fd = ::mkostemp(&strPath[0], O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    return fd < 0 ? errno : 0;
}

int CFileReplace::CreateCopyFile(const std::string& strName, std::string& strPath)
{
    const char* pszFolder = std::getenv("TMPDIR");
    const std::string folder = pszFolder && *pszFolder ? pszFolder : "/tmp";
    int fd = -1;
    if (int nError = CreateTemporary(folder + "/orvane-" + strName + ".", strPath, fd))
        return nError;
    ::close(fd);
    return 0;
}

CFileReplace::Result CFileReplace::ReplaceWhole(const void* pData, std::size_t nSize, bool& bFolderRefused)
{
    const std::string dir = GetFolder();
    std::string temp;
    int fd = -1;
    if (int nError = CreateTemporary(dir + "/" + TemporaryPrefix(), temp, fd)) {
        bFolderRefused = IsFolderRefusal(nError);
        m_nLastError = nError;
        return failed;
    }
    int nError = FillTemporary(fd, pData, nSize);
    // A failed close may mean the data never reached the disk. EINTR is no such failure
    // on Linux, and the descriptor is gone either way, so it is not retried.
    if (::close(fd) != 0 && errno != EINTR && nError == 0)
        nError = errno;
    if (nError == 0)
        nError = Uninterrupted([&] { return ::rename(temp.c_str(), m_strTarget.c_str()); });
    if (nError != 0) {
        ::unlink(temp.c_str());
        m_nLastError = nError;
        return failed;
    }
    m_nLastError = SyncFolder(dir);
    return m_nLastError == 0 ? replaced : notDurable;
}

long CFileReplace::SystemWrite(int fd, const void* pData, std::size_t nCount)
{
    return static_cast<long>(::write(fd, pData, nCount));
}
