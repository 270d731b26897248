#include "File.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

// The Windows build of CFile until the file layer has its own: the C runtime's
// descriptors, always in binary mode, so that no byte of a catalogue is translated.

CFile::~CFile()
{
    if (m_fd >= 0)
        ::_close(m_fd);
}

BOOL CFile::Open(const char* pszFileName, UINT nOpenFlags, void* /*pError*/)
{
    if (m_fd >= 0)
        Close();
    int flags = _O_BINARY | _O_NOINHERIT;
    if (nOpenFlags & modeReadWrite)
        flags |= _O_RDWR;
    else if (nOpenFlags & modeWrite)
        flags |= _O_WRONLY;
    else
        flags |= _O_RDONLY;
    if (nOpenFlags & modeCreate)
        flags |= _O_CREAT | _O_TRUNC;
    const int fd = ::_open(pszFileName, flags, _S_IREAD | _S_IWRITE);
    if (fd < 0) {
        m_nLastError = errno;
        return FALSE;
    }
    struct _stati64 st;
    if (::_fstati64(fd, &st) == 0 && (st.st_mode & _S_IFMT) == _S_IFDIR) {
        ::_close(fd);
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
        // The runtime reads at most INT_MAX bytes at a time.
        const unsigned nAsk = std::min<unsigned>(nCount - nDone, 1u << 30);
        const int n = ::_read(m_fd, p + nDone, nAsk);
        if (n < 0)
            m_nLastError = errno;
        if (n <= 0)
            break;
        nDone += static_cast<UINT>(n);
    }
    return nDone;
}

bool CFile::ReadAll(std::vector<BYTE>& bytes, std::uint64_t nMaxSize)
{
    bytes.clear();
    const long long nLength = GetLength();
    const std::size_t nWant = nLength > 0 ? static_cast<std::size_t>(nLength) : 0;
    if (nWant > nMaxSize) {
        m_nLastError = EFBIG;
        return false;
    }
    // One byte more than the size tells, so a file that grew is read on to its end.
    const std::size_t nMaxChunk = std::size_t(1) << 30;
    for (std::size_t nChunk = std::min(nWant + 1, nMaxChunk);; nChunk = 65536) {
        const std::size_t nOld = bytes.size();
        bytes.resize(nOld + nChunk);
        const UINT nGot = Read(bytes.data() + nOld, static_cast<UINT>(nChunk));
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
        const unsigned nAsk = std::min<unsigned>(nCount - nDone, 1u << 30);
        const int n = ::_write(m_fd, p + nDone, nAsk);
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
    const int rc = ::_close(m_fd);
    m_fd = -1;
    if (rc != 0) {
        m_nLastError = errno;
        return FALSE;
    }
    return TRUE;
}

long long CFile::GetLength() const
{
    struct _stati64 st;
    if (m_fd < 0 || ::_fstati64(m_fd, &st) != 0)
        return -1;
    return static_cast<long long>(st.st_size);
}
