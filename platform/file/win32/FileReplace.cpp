#include "FileReplace.h"

#include "NativeFile.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <io.h>
#include <process.h>

// The atomic replace on Windows: the temporary file beside the target is written,
// flushed with FlushFileBuffers and closed; ReplaceFileW then puts it in the target's
// place, keeping the target's attributes, security and creation time, and a new target
// is moved in with MOVEFILE_WRITE_THROUGH. Paths may use either slash.

namespace {

bool IsSeparator(char ch)
{
    return ch == '/' || ch == '\\';
}

std::size_t LastSeparator(const std::string& path)
{
    return path.find_last_of("/\\");
}

std::string JoinPath(const std::string& dir, const std::string& name)
{
    return dir.empty() || IsSeparator(dir.back()) || (dir.size() == 2 && dir[1] == ':') ? dir + name : dir + "\\" + name;
}

// Six characters of mkstemp's alphabet, different at each call; CREATE_NEW makes sure
// no file of that name is taken over.
std::string TemporarySuffix()
{
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::uint64_t nState = static_cast<std::uint64_t>(::_getpid()) << 32 ^
                                  static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    nState += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = nState;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    std::string suffix(6, 'A');
    for (char& ch : suffix) {
        ch = kAlphabet[z % 62];
        z /= 62;
    }
    return suffix;
}

}  // namespace

// The folder of a path; a drive's root keeps its separator, since "C:" alone names the
// drive's current folder.
std::string CFileReplace::DirectoryOf(const std::string& path)
{
    const std::size_t nSlash = LastSeparator(path);
    const bool bDrive = path.size() >= 2 && path[1] == ':';
    if (nSlash == std::string::npos)
        return bDrive ? path.substr(0, 2) : ".";
    std::size_t nEnd = nSlash;
    while (nEnd > 0 && IsSeparator(path[nEnd - 1]))
        --nEnd;
    if (nEnd == 0 || (bDrive && nEnd == 2))
        return path.substr(0, nSlash + 1);
    return path.substr(0, nEnd);
}

std::string CFileReplace::BaseNameOf(const std::string& path)
{
    const std::size_t nSlash = LastSeparator(path);
    const std::size_t nStart = nSlash != std::string::npos ? nSlash + 1 : path.size() >= 2 && path[1] == ':' ? 2 : 0;
    return path.substr(nStart);
}

int CFileReplace::ResolveTarget()
{
    std::string strFinal;
    if (CNativeFile::FinalPath(m_strPath, strFinal))
        m_strTarget = strFinal;
    CNativeFile::Status status;
    if (int nError = CNativeFile::PathStatus(m_strTarget, status))
        return nError == ENOENT ? 0 : nError;
    m_bExists = true;
    if (status.kind == CNativeFile::Kind::directory)
        return EISDIR;
    if (status.kind == CNativeFile::Kind::pipe)
        return CFile::KindError(FileKind::fifo);
    if (status.kind != CNativeFile::Kind::regular)
        return CFile::KindError(FileKind::characterDevice);
    // Only a regular file is opened for its names, since opening a device talks to it.
    CNativeFile::Status links;
    m_nLinks = CNativeFile::FileStatus(m_strTarget, links) == 0 ? links.nLinks : 1;
    // A file its owner made read-only is not to be replaced behind their back.
    return status.bReadOnly ? EACCES : 0;
}

int CFileReplace::RemoveStaleTemporaries() const
{
    const std::string dir = GetFolder();
    const std::string prefix = TemporaryPrefix();
    int nRemoved = 0;
    for (const std::string& name : CNativeFile::FilesMatching(dir, prefix + "??????")) {
        // The wildcard also matches short names and fewer characters; only the exact
        // pattern of this target's temporaries goes.
        if (name.size() <= 6 || !CNativeFile::SameName(name.substr(0, name.size() - 6), prefix) ||
            !IsTemporarySuffix(name.c_str() + name.size() - 6))
            continue;
        if (CNativeFile::Remove(JoinPath(dir, name)) == 0)
            ++nRemoved;
    }
    return nRemoved;
}

int CFileReplace::FillTemporary(int fd, const void* pData, std::size_t nSize)
{
    if (int nError = WriteAll(fd, pData, nSize))
        return nError;
    return CNativeFile::Flush(fd);
}

int CFileReplace::CreateTemporary(const std::string& strPrefix, std::string& strPath, int& fd)
{
    int nError = EEXIST;
    for (int nTry = 0; nTry < 100 && nError == EEXIST; ++nTry) {
        strPath = strPrefix + TemporarySuffix();
        nError = CNativeFile::CreateNew(strPath, fd);
    }
    return nError;
}

int CFileReplace::CreateCopyFile(const std::string& strName, std::string& strPath)
{
    int fd = -1;
    if (int nError = CreateTemporary(CNativeFile::TemporaryFolder() + "orvane-" + strName + ".", strPath, fd))
        return nError;
    CNativeFile::Close(fd);
    return 0;
}

CFileReplace::Result CFileReplace::ReplaceWhole(const void* pData, std::size_t nSize, bool& bFolderRefused)
{
    const std::string dir = GetFolder();
    std::string temp;
    int fd = -1;
    int nError = CreateTemporary(JoinPath(dir, TemporaryPrefix()), temp, fd);
    if (nError != 0) {
        bFolderRefused = IsFolderRefusal(nError);
        m_nLastError = nError;
        return failed;
    }
    nError = FillTemporary(fd, pData, nSize);
    const int nCloseError = CNativeFile::Close(fd);
    if (nError == 0)
        nError = nCloseError;
    if (nError == 0)
        nError = CNativeFile::PutInPlace(temp, m_strTarget, m_bExists);
    if (nError != 0) {
        // Should a replace fail half-way, after the old file left its name, the temporary
        // file holds the only copy and stays.
        CNativeFile::Status status;
        if (!m_bExists || CNativeFile::PathStatus(m_strTarget, status) != ENOENT)
            CNativeFile::Remove(temp);
        m_nLastError = nError;
        return failed;
    }
    // The file in place is asked, since a replace may give it the old file's index.
    CNativeFile::Status placed;
    if (CNativeFile::FileStatus(m_strTarget, placed) == 0) {
        m_newIdentity.nDevice = placed.nVolume;
        m_newIdentity.nInode = placed.nIndex;
        m_newIdentity.nSize = placed.nSize;
        m_newIdentity.nModifiedNs = placed.nModifiedNs;
    }
    m_nLastError = 0;
    return replaced;
}

long CFileReplace::SystemWrite(int fd, const void* pData, std::size_t nCount)
{
    std::uint32_t nDone = 0;
    const std::uint32_t nAsk = nCount > (1u << 30) ? (1u << 30) : static_cast<std::uint32_t>(nCount);
    if (int nError = CNativeFile::Write(fd, pData, nAsk, nDone)) {
        errno = nError;
        return -1;
    }
    return static_cast<long>(nDone);
}
