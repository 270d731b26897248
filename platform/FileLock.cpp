#include "FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <map>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#include <utility>

namespace {

struct HeldLock {
    int fd = -1;
    int nCount = 0;
};

// The folders this process holds locked, by device and inode.
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

void SleepMs(int nMs)
{
    struct timespec ts = {nMs / 1000, static_cast<long>(nMs % 1000) * 1000000L};
    while (::nanosleep(&ts, &ts) != 0 && errno == EINTR) {
    }
}

// Polls rather than blocking in flock, so the wait has a bound and a signal cannot
// leave it hanging.
int WaitForLock(int fd)
{
    const int nStepMs = 20;
    for (int nWaited = 0;; nWaited += nStepMs) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return 0;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return errno;
        if (nWaited >= WaitLimit())
            return EWOULDBLOCK;
        SleepMs(nStepMs);
    }
}

}  // namespace

// The lock is taken on the folder and not on the file: a save replaces the file by
// renaming a new one over it, so a lock on the old file's inode would not be seen by a
// writer that opens the new one, while the folder stays the same inode throughout.
int CFileLock::Lock(const char* pszFolder)
{
    Unlock();
    int fd;
    do {
        fd = ::open(pszFolder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return errno;
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        int nError = errno;
        ::close(fd);
        return nError;
    }
    auto key = std::make_pair(static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino));
    HeldLock& held = HeldLocks()[key];
    if (held.nCount == 0) {
        if (int nError = WaitForLock(fd)) {
            ::close(fd);
            HeldLocks().erase(key);
            return nError;
        }
        held.fd = fd;
    } else {
        ::close(fd);
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
    // Closing the only descriptor releases the lock.
    ::close(it->second.fd);
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
