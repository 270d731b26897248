#include "FileLock.h"

#include "NativeFile.h"

#include <windows.h>

#include <cerrno>
#include <map>
#include <string>
#include <utility>

// The lock on Windows is a named mutex whose name is the folder's identity: its volume
// serial number and file index, which every spelling of the folder's path shares (case,
// short names, a mapped drive) and which a replace of the file inside leaves alone. A
// lock file with LockFileEx would also reach other computers on a share, but it leaves
// a file in the user's folder for ever, and a folder cannot be locked itself. A mutex
// also goes with its holder: when a process dies holding it, the next waiter gets it as
// abandoned, which is the lock being free. Mutexes are owned by threads, so the lock is
// taken and released on one thread, as the editor and orvane-cli do.

namespace {

struct HeldLock {
    HANDLE hMutex = nullptr;
    int nCount = 0;
};

std::map<std::pair<std::uint64_t, std::uint64_t>, HeldLock>& HeldLocks()
{
    static std::map<std::pair<std::uint64_t, std::uint64_t>, HeldLock> held;
    return held;
}

int& WaitLimit()
{
    static int nLimit = CFileLock::DefaultWaitLimitMs;
    return nLimit;
}

std::wstring MutexName(std::uint64_t nVolume, std::uint64_t nIndex)
{
    // Local to the session: making a global name needs a privilege most users lack.
    return L"Local\\Orvane.FolderLock." + std::to_wstring(nVolume) + L"." + std::to_wstring(nIndex);
}

int WaitForLock(HANDLE hMutex)
{
    switch (::WaitForSingleObject(hMutex, static_cast<DWORD>(WaitLimit()))) {
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

int CFileLock::Lock(const char* pszFolder)
{
    Unlock();
    std::pair<std::uint64_t, std::uint64_t> key;
    if (int nError = CNativeFile::FolderIdentity(pszFolder, key.first, key.second))
        return nError;
    HeldLock& held = HeldLocks()[key];
    if (held.nCount == 0) {
        const HANDLE hMutex = ::CreateMutexW(nullptr, FALSE, MutexName(key.first, key.second).c_str());
        const int nError = hMutex ? WaitForLock(hMutex) : CNativeFile::ErrorOf(::GetLastError());
        if (nError != 0) {
            if (hMutex)
                ::CloseHandle(hMutex);
            HeldLocks().erase(key);
            return nError;
        }
        held.hMutex = hMutex;
    }
    ++held.nCount;
    m_nDevice = key.first;
    m_nInode = key.second;
    m_bLocked = true;
    return 0;
}

void CFileLock::Unlock()
{
    if (!m_bLocked)
        return;
    m_bLocked = false;
    auto it = HeldLocks().find(std::make_pair(m_nDevice, m_nInode));
    if (it == HeldLocks().end() || --it->second.nCount > 0)
        return;
    ::ReleaseMutex(it->second.hMutex);
    ::CloseHandle(it->second.hMutex);
    HeldLocks().erase(it);
}

void CFileLock::SetWaitLimit(int nMilliseconds)
{
    WaitLimit() = nMilliseconds;
}

int CFileLock::GetWaitLimit()
{
    return WaitLimit();
}
