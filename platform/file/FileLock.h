#pragma once

#include <cstdint>

// The advisory lock that lets one writer at a time through the load, change and save
// of the files in one folder. Taking it again in the same process while it is held
// only counts, so a save inside a span that already holds it does not wait for itself.
class CFileLock {
public:
    CFileLock() = default;
    ~CFileLock() { Unlock(); }
    CFileLock(const CFileLock&) = delete;
    CFileLock& operator=(const CFileLock&) = delete;

    // Takes the lock of the folder, waiting for another holder up to the wait limit.
    // Returns 0, or an errno value: EWOULDBLOCK when the other holder kept it throughout.
    int Lock(const char* pszFolder);
    void Unlock();

    static constexpr int DefaultWaitLimitMs = 10000;
    // For tests, which cannot wait ten seconds for a lock they hold themselves.
    static void SetWaitLimit(int nMilliseconds);

private:
    // The system's half: the folder's identity, and the lock between processes on it,
    // held by a handle that only ReleaseSystemLock reads. Each returns 0 or an errno value.
    static int FolderKey(const char* pszFolder, std::uint64_t& nDevice, std::uint64_t& nInode);
    static int AcquireSystemLock(const char* pszFolder, std::uint64_t nDevice, std::uint64_t nInode, int nWaitMs,
                                 std::intptr_t& hSystem);
    static void ReleaseSystemLock(std::intptr_t hSystem);

    std::uint64_t m_nDevice = 0;
    std::uint64_t m_nInode = 0;
    bool m_bLocked = false;
};
