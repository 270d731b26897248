#include "File.h"

#include <algorithm>
#include <cerrno>
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
    int flags = O_CLOEXEC;
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
        m_nLastError = errno;
        return FALSE;
    }
    // Opening a directory for reading succeeds on POSIX but is a failure to the
    // framework, which only ever opens files.
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        m_nLastError = EISDIR;
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

bool CFile::ReadAll(std::vector<BYTE>& bytes)
{
    bytes.clear();
    long long nLength = GetLength();
    std::size_t nWant = nLength > 0 ? static_cast<std::size_t>(nLength) : 0;
    // One byte more than the size tells, so a file that grew is read on to its end.
    const std::size_t nMaxChunk = std::size_t(1) << 30;
    for (std::size_t nChunk = std::min(nWant + 1, nMaxChunk);; nChunk = 65536) {
        std::size_t nOld = bytes.size();
        bytes.resize(nOld + nChunk);
        UINT nGot = Read(bytes.data() + nOld, static_cast<UINT>(nChunk));
        bytes.resize(nOld + nGot);
        if (m_nLastError != 0)
            return false;
        if (nGot < nChunk)
            return true;
    }
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

long long CFile::GetLength() const
{
    struct stat st;
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0)
        return -1;
    return static_cast<long long>(st.st_size);
}
