// The file calls the editor needs, in their plainest Windows form, so that the stand-in
// editor runs under Wine before the Windows file layer exists. No writers' lock, no
// change detection: enough for one program in a test folder, nothing more.
#include "File.h"
#include "FileLock.h"
#include "FileReplace.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <io.h>
#include <sys/stat.h>

// <windows.h> cannot join the framework's headers; this is its declaration.
extern "C" __declspec(dllimport) int __stdcall MoveFileExA(const char* pszFrom, const char* pszTo, unsigned long nFlags);

namespace {
int g_nWaitLimitMs = CFileLock::DefaultWaitLimitMs;
}

FileIdentity CFile::GetIdentity() const
{
    struct _stati64 st;
    FileIdentity identity;
    if (m_fd < 0 || ::_fstati64(m_fd, &st) != 0)
        return identity;
    identity.nSize = st.st_size;
    identity.nModifiedNs = static_cast<long long>(st.st_mtime) * 1000000000LL;
    return identity;
}

CString CFile::ErrorText(int nError) { return nError < 0 ? CString("Is not a regular file") : CString(std::strerror(nError)); }

int CFile::KindError(FileKind kind)
{
    return kind == FileKind::regular ? 0 : kind == FileKind::directory ? EISDIR : errOtherKind;
}

int CFileLock::Lock(const char*)
{
    m_bLocked = true;
    return 0;
}

void CFileLock::Unlock() { m_bLocked = false; }
void CFileLock::SetWaitLimit(int nMilliseconds) { g_nWaitLimitMs = nMilliseconds; }
int CFileLock::GetWaitLimit() { return g_nWaitLimitMs; }

CFileReplace::CFileReplace(const char* pszPath) : m_strPath(pszPath) {}

int CFileReplace::Resolve()
{
    m_strTarget = m_strPath;
    return 0;
}

std::string CFileReplace::GetFolder() const
{
    const std::size_t nSlash = m_strTarget.find_last_of("\\/");
    return nSlash == std::string::npos ? std::string(".") : m_strTarget.substr(0, nSlash);
}

int CFileReplace::RemoveStaleTemporaries() const { return 0; }

CFileReplace::Result CFileReplace::Replace(const void* pData, std::size_t nSize)
{
    const std::string strTemp = m_strTarget + ".new";
    std::FILE* pFile = std::fopen(strTemp.c_str(), "wb");
    if (!pFile) {
        m_nLastError = errno;
        return failed;
    }
    const bool bWritten = std::fwrite(pData, 1, nSize, pFile) == nSize && std::fflush(pFile) == 0 &&
                          ::_commit(::_fileno(pFile)) == 0;
    if (std::fclose(pFile) != 0 || !bWritten || !::MoveFileExA(strTemp.c_str(), m_strTarget.c_str(), 1 | 8)) {
        m_nLastError = EIO;
        std::remove(strTemp.c_str());
        return failed;
    }
    return replaced;
}

void CFileReplace::SetWriteHook(WriteHook) {}
