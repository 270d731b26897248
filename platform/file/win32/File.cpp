#include "File.h"

#include "NativeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

// CFile on Windows: the descriptor owns a native handle that was opened without
// waiting and shared with other writers, and bytes move in binary through ReadFile and
// WriteFile, so none of a catalogue is translated.

static_assert(CNativeFile::SharingViolation == CFile::errSharingViolation, "one code for a sharing violation");

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

int CFile::OpenDescriptor(const char* pszFileName, UINT nOpenFlags, int& fd)
{
    const CNativeFile::Access access = (nOpenFlags & modeReadWrite) ? CNativeFile::readWrite
                                       : (nOpenFlags & modeWrite)   ? CNativeFile::writeOnly
                                                                    : CNativeFile::readOnly;
    fd = -1;
    CNativeFile::Kind kind = CNativeFile::Kind::regular;
    int nError = CNativeFile::Open(pszFileName, access, (nOpenFlags & modeCreate) != 0, fd, kind);
    if (nError == 0)
        nError = KindError(KindOf(kind));
    if (nError != 0 && fd >= 0) {
        CNativeFile::Close(fd);
        fd = -1;
    }
    return nError;
}

int CFile::ReadSome(int fd, void* pBuf, UINT nCount, UINT& nDone)
{
    std::uint32_t nGot = 0;
    const int nError = CNativeFile::Read(fd, pBuf, nCount, nGot);
    nDone = nGot;
    return nError;
}

int CFile::WriteSome(int fd, const void* pBuf, UINT nCount, UINT& nDone)
{
    std::uint32_t nPut = 0;
    const int nError = CNativeFile::Write(fd, pBuf, nCount, nPut);
    nDone = nPut;
    return nError;
}

int CFile::CloseDescriptor(int fd)
{
    return CNativeFile::Close(fd);
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

int CFile::StatusOf(int fd, FileIdentity& id, unsigned& nLinks)
{
    CNativeFile::Status status;
    if (const int nError = CNativeFile::StatusOf(fd, status))
        return nError;
    id.nDevice = status.nVolume;
    id.nInode = status.nIndex;
    id.nSize = status.nSize;
    id.nModifiedNs = status.nModifiedNs;
    nLinks = status.nLinks;
    return 0;
}

int CFile::Remove(const char* pszFileName)
{
    return CNativeFile::Remove(pszFileName);
}

int CFile::GetStatus(const char* pszPath, CFileStatus& status)
{
    CNativeFile::Status native;
    if (int nError = CNativeFile::PathStatus(pszPath, native))
        return nError;
    status.kind = KindOf(native.kind);
    status.strFullName = CNativeFile::Utf8(CNativeFile::FullPath(CNativeFile::WidePath(pszPath)));
    return 0;
}

int CFile::SetCurrentFolder(const char* pszFolder)
{
    return CNativeFile::SetCurrentFolder(pszFolder);
}

std::string CFile::SystemErrorText(int nError)
{
    // The system's own words for an error the C library has no number for.
    if (nError >= CNativeFile::NativeErrorBase)
        return CNativeFile::ErrorText(nError);
    return std::strerror(nError);
}
