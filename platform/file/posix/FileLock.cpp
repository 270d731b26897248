#include "FileLock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace {

void SleepMs(int nMs)
{
    struct timespec ts = {nMs / 1000, static_cast<long>(nMs % 1000) * 1000000L};
    while (::nanosleep(&ts, &ts) != 0 && errno == EINTR) {
    }
}

// Polls rather than blocking in flock, so the wait has a bound and a signal cannot
// leave it hanging.
int WaitForLock(int fd, int nWaitMs)
{
    const int nStepMs = 20;
    for (int nWaited = 0;; nWaited += nStepMs) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return 0;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return errno;
        if (nWaited >= nWaitMs)
            return EWOULDBLOCK;
        SleepMs(nStepMs);
    }
}

}  // namespace

int CFileLock::FolderKey(const char* pszFolder, std::uint64_t& nDevice, std::uint64_t& nInode)
{
    struct stat st;
    if (::stat(pszFolder, &st) != 0)
        return errno;
    nDevice = static_cast<std::uint64_t>(st.st_dev);
    nInode = static_cast<std::uint64_t>(st.st_ino);
    return 0;
}

// The lock is taken on the folder and not on the file: a save replaces the file by
// renaming a new one over it, so a lock on the old file's inode would not be seen by a
// writer that opens the new one, while the folder stays the same inode throughout.
int CFileLock::AcquireSystemLock(const char* pszFolder, std::uint64_t, std::uint64_t, int nWaitMs,
                                 std::intptr_t& hSystem)
{
    int fd;
    do {
        fd = ::open(pszFolder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return errno;
    if (int nError = WaitForLock(fd, nWaitMs)) {
        ::close(fd);
        return nError;
    }
    hSystem = fd;
    return 0;
}

// Closing the only descriptor releases the lock.
void CFileLock::ReleaseSystemLock(std::intptr_t hSystem)
{
    ::close(static_cast<int>(hSystem));
}
