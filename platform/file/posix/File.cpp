#include "File.h"

#include "PosixFileStatus.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CFile::~CFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

BOOL CFile::Open(const char* pszFileName, UINT nOpenFlags, void* /*pError*/)
{
    if (m_fd >= 0)
        Close();
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
    int fd;
    do {
        fd = ::open(pszFileName, flags, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        // A socket cannot be opened at all; say what it is rather than "No such device".
        m_nLastError = errno == ENXIO ? KindError(PathKind(pszFileName)) : errno;
        if (m_nLastError == 0)
            m_nLastError = ENXIO;
        return FALSE;
    }
    struct stat st;
    int nError = ::fstat(fd, &st) == 0 ? KindError(KindOfMode(st.st_mode)) : errno;
    if (nError != 0) {
        ::close(fd);
        m_nLastError = nError;
        return FALSE;
    }
    m_fd = fd;
    m_nLastError = 0;
    m_strFileName = pszFileName;
    return TRUE;
}

UINT CFile::Read(void* pBuf, UINT nCount)
{
    m_nLastError = 0;
    char* p = static_cast<char*>(pBuf);
    UINT nDone = 0;
    while (nDone < nCount) {
        ssize_t n = ::read(m_fd, p + nDone, nCount - nDone);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            m_nLastError = errno;
        if (n <= 0)
            break;
        nDone += static_cast<UINT>(n);
    }
    return nDone;
}

BOOL CFile::Write(const void* pBuf, UINT nCount)
{
    m_nLastError = 0;
    const char* p = static_cast<const char*>(pBuf);
    UINT nDone = 0;
    while (nDone < nCount) {
        ssize_t n = ::write(m_fd, p + nDone, nCount - nDone);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_nLastError = n < 0 ? errno : EIO;
            return FALSE;
        }
        nDone += static_cast<UINT>(n);
    }
    return TRUE;
}

BOOL CFile::Close()
{
    if (m_fd < 0)
        return TRUE;
    int rc = ::close(m_fd);
    m_fd = -1;
    if (rc != 0) {
        m_nLastError = errno;
        return FALSE;
    }
    return TRUE;
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

long long CFile::GetLength() const
{
    struct stat st;
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0)
        return -1;
    return static_cast<long long>(st.st_size);
}

unsigned CFile::GetLinkCount() const
{
    struct stat st;
    return m_fd >= 0 && ::fstat(m_fd, &st) == 0 ? static_cast<unsigned>(st.st_nlink) : 0;
}

FileIdentity CFile::GetIdentity() const
{
    struct stat st;
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0)
        return FileIdentity();
    return IdentityOf(st);
}

int CFile::Remove(const char* pszFileName)
{
    return ::unlink(pszFileName) == 0 ? 0 : errno;
}

CString CFile::SystemErrorText(int nError)
{
    return std::strerror(nError);
}
