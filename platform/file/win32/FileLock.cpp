#include "FileLock.h"

#include "NativeFile.h"

#include <windows.h>

#include <cerrno>
#include <string>

// The lock on Windows is a named mutex whose name is the folder's identity: its volume
// serial number and file index, which every spelling of the folder's path shares (case,
// short names, a mapped drive) and which a replace of the file inside leaves alone. A
// lock file with LockFileEx would also reach other computers on a share, but it leaves
// a file in the user's folder for ever, and a folder cannot be locked itself. A mutex
// also goes with its holder: when a process dies holding it, the next waiter gets it as
// abandoned, which is the lock being free. Mutexes are owned by threads, so the lock is
// taken and released on one thread, as the editor and orvane-cli do.

namespace {

std::wstring MutexName(std::uint64_t nVolume, std::uint64_t nIndex)
{
    // Local to the session: making a global name needs a privilege most users lack.
    return L"Local\\Orvane.FolderLock." + std::to_wstring(nVolume) + L"." + std::to_wstring(nIndex);
}

int WaitForLock(HANDLE hMutex, int nWaitMs)
{
    switch (::WaitForSingleObject(hMutex, static_cast<DWORD>(nWaitMs))) {
    case WAIT_OBJECT_0:
    case WAIT_ABANDONED:
        return 0;
    case WAIT_TIMEOUT:
        return EWOULDBLOCK;
    default:
        return CNativeFile::ErrorOf(::GetLastError());
    }
}

}  // namespace

int CFileLock::FolderKey(const char* pszFolder, std::uint64_t& nVolume, std::uint64_t& nIndex)
{
    return CNativeFile::FolderIdentity(pszFolder, nVolume, nIndex);
}

int CFileLock::AcquireSystemLock(const char*, std::uint64_t nVolume, std::uint64_t nIndex, int nWaitMs,
                                 std::intptr_t& hSystem)
{
    const HANDLE hMutex = ::CreateMutexW(nullptr, FALSE, MutexName(nVolume, nIndex).c_str());
    if (!hMutex)
        return CNativeFile::ErrorOf(::GetLastError());
    if (int nError = WaitForLock(hMutex, nWaitMs)) {
        ::CloseHandle(hMutex);
        return nError;
    }
    hSystem = reinterpret_cast<std::intptr_t>(hMutex);
    return 0;
}

void CFileLock::ReleaseSystemLock(std::intptr_t hSystem)
{
    const HANDLE hMutex = reinterpret_cast<HANDLE>(hSystem);
    ::ReleaseMutex(hMutex);
    ::CloseHandle(hMutex);
}
