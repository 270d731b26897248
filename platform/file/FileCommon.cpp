#include "File.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>

// What every system shares: the file's state around the system's calls, reading a
// whole file, and the words for its errors.

CFile::~CFile()
{
    if (m_fd >= 0)
        CloseDescriptor(m_fd);
}

BOOL CFile::Open(const char* pszFileName, UINT nOpenFlags)
{
    if (m_fd >= 0)
        Close();
    int fd = -1;
    m_nLastError = OpenDescriptor(pszFileName, nOpenFlags, fd);
    if (m_nLastError != 0)
        return FALSE;
    m_fd = fd;
    return TRUE;
}

UINT CFile::Read(void* pBuf, UINT nCount)
{
    m_nLastError = 0;
    char* p = static_cast<char*>(pBuf);
    UINT nDone = 0;
    while (nDone < nCount) {
        UINT nGot = 0;
        m_nLastError = ReadSome(m_fd, p + nDone, nCount - nDone, nGot);
        if (m_nLastError != 0 || nGot == 0)
            break;
        nDone += nGot;
    }
    return nDone;
}

BOOL CFile::Write(const void* pBuf, UINT nCount)
{
    m_nLastError = 0;
    const char* p = static_cast<const char*>(pBuf);
    UINT nDone = 0;
    while (nDone < nCount) {
        UINT nPut = 0;
        m_nLastError = WriteSome(m_fd, p + nDone, nCount - nDone, nPut);
        if (m_nLastError == 0 && nPut == 0)
            m_nLastError = EIO;
        if (m_nLastError != 0)
            return FALSE;
        nDone += nPut;
    }
    return TRUE;
}

BOOL CFile::Close()
{
    if (m_fd < 0)
        return TRUE;
    const int nError = CloseDescriptor(m_fd);
    m_fd = -1;
    if (nError != 0) {
        m_nLastError = nError;
        return FALSE;
    }
    return TRUE;
}

long long CFile::GetLength() const
{
    FileIdentity id;
    unsigned nLinks = 0;
    return m_fd >= 0 && StatusOf(m_fd, id, nLinks) == 0 ? id.nSize : -1;
}


FileIdentity CFile::GetIdentity() const
{
    FileIdentity id;
    unsigned nLinks = 0;
    return m_fd >= 0 && StatusOf(m_fd, id, nLinks) == 0 ? id : FileIdentity();
}

bool CFile::ReadAll(std::vector<BYTE>& bytes, std::uint64_t nMaxSize)
{
    bytes.clear();
    // The system's own reason when the size or the position cannot be read.
    FileIdentity id;
    unsigned nLinks = 0;
    long long nPos = 0;
    m_nLastError = m_fd < 0 ? EBADF : StatusOf(m_fd, id, nLinks);
    if (m_nLastError == 0)
        m_nLastError = GetPosition(nPos);
    if (m_nLastError != 0)
        return false;
    const long long nLength = id.nSize;
    const std::uint64_t nWant = nLength > nPos ? static_cast<std::uint64_t>(nLength - nPos) : 0;
    if (nWant > nMaxSize || nWant > SIZE_MAX / 2) {
        m_nLastError = EFBIG;
        return false;
    }
    // One buffer of the file's size; a file that shrinks meanwhile is cut to what was read.
    std::vector<BYTE>(static_cast<std::size_t>(nWant)).swap(bytes);
    std::size_t nDone = 0;
    const std::size_t nMaxChunk = std::size_t(1) << 30;
    while (nDone < bytes.size()) {
        const std::size_t nChunk = std::min(bytes.size() - nDone, nMaxChunk);
        const UINT nGot = Read(bytes.data() + nDone, static_cast<UINT>(nChunk));
        nDone += nGot;
        if (m_nLastError != 0)
            return false;
        if (nGot < nChunk)
            break;
    }
    bytes.resize(nDone);
    return true;
}

std::string CFile::ErrorText(int nError)
{
    switch (nError) {
    case errFifo:
        return "Is a FIFO (named pipe), not a regular file";
    case errCharacterDevice:
        return "Is a character device, not a regular file";
    case errBlockDevice:
        return "Is a block device, not a regular file";
    case errSocket:
        return "Is a socket, not a regular file";
    case errOtherKind:
        return "Is not a regular file";
    case errSharingViolation:
        return "Is open in another program that does not share it";
    default:
        break;
    }
    return SystemErrorText(nError);
}

int CFile::KindError(FileKind kind)
{
    switch (kind) {
    case FileKind::regular:
        return 0;
    case FileKind::directory:
        return EISDIR;
    case FileKind::fifo:
        return errFifo;
    case FileKind::characterDevice:
        return errCharacterDevice;
    case FileKind::blockDevice:
        return errBlockDevice;
    case FileKind::socket:
        return errSocket;
    default:
        return errOtherKind;
    }
}
