#include "FileReplace.h"

#include <cerrno>

// What the replace does the same on every system: the target's folder and the names
// of its temporary files, the test hook on writes, and writing a whole buffer.

namespace {

CFileReplace::WriteHook& Hook()
{
    static CFileReplace::WriteHook hook;
    return hook;
}

}  // namespace

CFileReplace::CFileReplace(const char* pszPath) : m_strPath(pszPath), m_strTarget(pszPath) {}

std::string CFileReplace::GetFolder() const
{
    return DirectoryOf(m_strTarget);
}

std::string CFileReplace::TemporaryPrefix() const
{
    return "." + BaseNameOf(m_strTarget) + ".";
}

int CFileReplace::Resolve()
{
    m_strTarget = m_strPath;
    m_bExists = false;
    return ResolveTarget();
}

void CFileReplace::SetWriteHook(WriteHook hook)
{
    Hook() = std::move(hook);
}

int CFileReplace::WriteAll(int fd, const void* pData, std::size_t nSize)
{
    const BYTE* p = static_cast<const BYTE*>(pData);
    std::size_t nDone = 0;
    while (nDone < nSize) {
        const std::size_t nWant = nSize - nDone;
        errno = 0;
        const WriteHook& hook = Hook();
        const long n = hook ? hook(fd, p + nDone, nWant) : SystemWrite(fd, p + nDone, nWant);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno ? errno : EIO;
        // A writer that moves nothing (or claims more than it was given) would loop forever.
        if (n == 0 || static_cast<std::size_t>(n) > nWant)
            return EIO;
        nDone += static_cast<std::size_t>(n);
    }
    return 0;
}

bool CFileReplace::IsTemporarySuffix(const char* psz)
{
    for (int i = 0; i < 6; ++i) {
        const char ch = psz[i];
        if (!((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9')))
            return false;
    }
    return psz[6] == '\0';
}
