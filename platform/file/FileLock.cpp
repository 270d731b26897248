#include "FileLock.h"

#include <map>
#include <utility>

namespace {

struct HeldLock {
    std::intptr_t hSystem = 0;
    int nCount = 0;
};

// The folders this process holds locked, by their identity.
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

}  // namespace

int CFileLock::Lock(const char* pszFolder)
{
    Unlock();
    std::pair<std::uint64_t, std::uint64_t> key;
    if (int nError = FolderKey(pszFolder, key.first, key.second))
        return nError;
    HeldLock& held = HeldLocks()[key];
    if (held.nCount == 0) {
        if (int nError = AcquireSystemLock(pszFolder, key.first, key.second, WaitLimit(), held.hSystem)) {
            HeldLocks().erase(key);
            return nError;
        }
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
    ReleaseSystemLock(it->second.hSystem);
    HeldLocks().erase(it);
}

void CFileLock::SetWaitLimit(int nMilliseconds)
{
    WaitLimit() = nMilliseconds;
}
