#include "File.h"

#include "NativeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

// CFile on Windows: the descriptor owns a native handle that was opened without
// waiting and shared with other writers, and bytes move in binary through ReadFile and
// WriteFile, so none of a catalogue is translated.

namespace {

FileKind KindOf(CNativeFile::Kind kind)
{
    switch (kind) {
    case CNativeFile::Kind::regular:
        return FileKind::regular;
    case CNativeFile::Kind::directory:
        return FileKind::directory;
    case CNativeFile::Kind::characterDevice:
        return FileKind::characterDevice;
    case CNativeFile::Kind::pipe:
        return FileKind::fifo;
    default:
        return FileKind::other;
    }
}

}  // namespace

CFile::~CFile()
{
    if (m_fd >= 0)
        CNativeFile::Close(m_fd);
}

BOOL CFile::Open(const char* pszFileName, UINT nOpenFlags, void* /*pError*/)
{
    if (m_fd >= 0)
        Close();
    const CNativeFile::Access access = (nOpenFlags & modeReadWrite) ? CNativeFile::readWrite
                                       : (nOpenFlags & modeWrite)   ? CNativeFile::writeOnly
                                                                    : CNativeFile::readOnly;
    int fd = -1;
    CNativeFile::Kind kind = CNativeFile::Kind::regular;
    int nError = CNativeFile::Open(pszFileName, access, (nOpenFlags & modeCreate) != 0, fd, kind);
    if (nError == 0)
        nError = KindError(KindOf(kind));
    if (nError != 0) {
        if (fd >= 0)
            CNativeFile::Close(fd);
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
        std::uint32_t nGot = 0;
        m_nLastError = CNativeFile::Read(m_fd, p + nDone, nCount - nDone, nGot);
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
        std::uint32_t nPut = 0;
        m_nLastError = CNativeFile::Write(m_fd, p + nDone, nCount - nDone, nPut);
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
    const int nError = CNativeFile::Close(m_fd);
    m_fd = -1;
    if (nError != 0) {
        m_nLastError = nError;
        return FALSE;
    }
    return TRUE;
}

BOOL CFile::SeekToBegin()
{
    m_nLastError = CNativeFile::Seek(m_fd, 0);
    return m_nLastError == 0;
}

BOOL CFile::SetLength(std::uint64_t nLength)
{
    m_nLastError = CNativeFile::SetLength(m_fd, nLength);
    return m_nLastError == 0;
}

BOOL CFile::Flush()
{
    m_nLastError = CNativeFile::Flush(m_fd);
    return m_nLastError == 0;
}

int CFile::GetPosition(long long& nPos) const
{
    return CNativeFile::Position(m_fd, nPos);
}

long long CFile::GetLength() const
{
    CNativeFile::Status status;
    if (m_fd < 0 || CNativeFile::StatusOf(m_fd, status) != 0)
        return -1;
    return status.nSize;
}

unsigned CFile::GetLinkCount() const
{
    CNativeFile::Status status;
    return m_fd >= 0 && CNativeFile::StatusOf(m_fd, status) == 0 ? status.nLinks : 0;
}

FileIdentity CFile::GetIdentity() const
{
    CNativeFile::Status status;
    if (m_fd < 0 || CNativeFile::StatusOf(m_fd, status) != 0)
        return FileIdentity();
    FileIdentity id;
    id.nDevice = status.nVolume;
    id.nInode = status.nIndex;
    id.nSize = status.nSize;
    id.nModifiedNs = status.nModifiedNs;
    return id;
}

int CFile::Remove(const char* pszFileName)
{
    return CNativeFile::Remove(pszFileName);
}

CString CFile::SystemErrorText(int nError)
{
    // The system's own words for an error the C library has no number for.
    if (nError >= CNativeFile::NativeErrorBase)
        return CString(CNativeFile::ErrorText(nError));
    return std::strerror(nError);
}
