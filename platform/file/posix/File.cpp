#include "File.h"

#include "PosixFileStatus.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Runs a read or a write until it is not interrupted; 0 or its errno, and how many
// bytes it moved.
template <class Call> int Transfer(Call call, UINT& nDone)
{
    ssize_t n;
    do {
        n = call();
    } while (n < 0 && errno == EINTR);
    nDone = n > 0 ? static_cast<UINT>(n) : 0;
    return n < 0 ? errno : 0;
}

}  // namespace

int CFile::OpenDescriptor(const char* pszFileName, UINT nOpenFlags, int& fd)
{
    // O_NONBLOCK lets the open of a FIFO return at once instead of waiting for a writer,
    // so the type check below can refuse it; it changes nothing for a regular file.
    int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    if (nOpenFlags & modeReadWrite)
        flags |= O_RDWR;
    else if (nOpenFlags & modeWrite)
        flags |= O_WRONLY;
    else
        flags |= O_RDONLY;
    if (nOpenFlags & modeCreate)
        flags |= O_CREAT | O_TRUNC;
    do {
        fd = ::open(pszFileName, flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        // A socket cannot be opened at all; say what it is rather than "No such device".
        const int nError = errno == ENXIO ? KindError(PathKind(pszFileName)) : errno;
        return nError != 0 ? nError : ENXIO;
    }
    struct stat st;
    const int nError = ::fstat(fd, &st) == 0 ? KindError(KindOfMode(st.st_mode)) : errno;
    if (nError != 0) {
        ::close(fd);
        fd = -1;
    }
    return nError;
}

int CFile::ReadSome(int fd, void* pBuf, UINT nCount, UINT& nDone)
{
    return Transfer([&] { return ::read(fd, pBuf, nCount); }, nDone);
}

int CFile::WriteSome(int fd, const void* pBuf, UINT nCount, UINT& nDone)
{
    return Transfer([&] { return ::write(fd, pBuf, nCount); }, nDone);
}

int CFile::CloseDescriptor(int fd)
{
    return ::close(fd) == 0 ? 0 : errno;
}

BOOL CFile::SeekToBegin()
{
    m_nLastError = ::lseek(m_fd, 0, SEEK_SET) == 0 ? 0 : errno;
    return m_nLastError == 0;
}

BOOL CFile::SetLength(std::uint64_t nLength)
{
    int rc;
    do {
        rc = ::ftruncate(m_fd, static_cast<off_t>(nLength));
    } while (rc != 0 && errno == EINTR);
    m_nLastError = rc == 0 ? 0 : errno;
    return rc == 0;
}

BOOL CFile::Flush()
{
    int rc;
    do {
        rc = ::fsync(m_fd);
    } while (rc != 0 && errno == EINTR);
    m_nLastError = rc == 0 ? 0 : errno;
    return rc == 0;
}

int CFile::GetPosition(long long& nPos) const
{
    const off_t nAt = ::lseek(m_fd, 0, SEEK_CUR);
    nPos = nAt;
    return nAt < 0 ? (errno ? errno : EIO) : 0;
}

int CFile::StatusOf(int fd, FileIdentity& id, unsigned& nLinks)
{
    struct stat st;
    if (::fstat(fd, &st) != 0)
        return errno;
    id = IdentityOf(st);
    nLinks = static_cast<unsigned>(st.st_nlink);
    return 0;
}

int CFile::Remove(const char* pszFileName)
{
    return ::unlink(pszFileName) == 0 ? 0 : errno;
}

int CFile::GetStatus(const char* pszPath, CFileStatus& status)
{
    struct stat st;
    if (::stat(pszPath, &st) != 0)
        return errno;
    char szFull[PATH_MAX];
    if (!::realpath(pszPath, szFull))
        return errno;
    status.kind = KindOfMode(st.st_mode);
    status.strFullName = szFull;
    return 0;
}

int CFile::SetCurrentFolder(const char* pszFolder)
{
    return ::chdir(pszFolder) == 0 ? 0 : errno;
}

std::string CFile::SystemErrorText(int nError)
{
    // In the locale's character set, which is UTF-8 on the systems of today.
    return std::strerror(nError);
}
