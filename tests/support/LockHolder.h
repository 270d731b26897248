#pragma once

#include "FileLock.h"

#include <string>
#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

// Another process holding the writers' lock of a folder, as a second program would,
// until the object goes. Windows has no fork: there the other process is lock_holder.exe
// beside the test program, which holds the lock until its input closes
// (tests/windows/LockHolderWin32.cpp).
class CLockHolder {
public:
    explicit CLockHolder(const std::string& strFolder);
    ~CLockHolder();
    CLockHolder(const CLockHolder&) = delete;
    CLockHolder& operator=(const CLockHolder&) = delete;

    bool IsHeld() const { return m_bHeld; }
#ifdef _WIN32
    // Ends the other process at once, as a crash would, without letting the lock go.
    void Kill();
#endif

private:
#ifdef _WIN32
    void* m_hProcess = nullptr;
    void* m_hRelease = nullptr;
#else
    pid_t m_pid = -1;
    int m_fdRelease = -1;
#endif
    bool m_bHeld = false;
};

#ifndef _WIN32
inline CLockHolder::CLockHolder(const std::string& strFolder)
{
    int ready[2], release[2];
    if (::pipe(ready) != 0 || ::pipe(release) != 0)
        return;
    m_pid = ::fork();
    if (m_pid == 0) {
        ::close(release[1]);
        CFileLock lock;
        char ch = lock.Lock(strFolder.c_str()) == 0 ? 'y' : 'n';
        (void)!::write(ready[1], &ch, 1);
        (void)!::read(release[0], &ch, 1);
        ::_exit(0);
    }
    char ch = 0;
    (void)!::read(ready[0], &ch, 1);
    ::close(ready[0]);
    ::close(ready[1]);
    ::close(release[0]);
    m_fdRelease = release[1];
    m_bHeld = ch == 'y';
}

inline CLockHolder::~CLockHolder()
{
    if (m_fdRelease >= 0)
        ::close(m_fdRelease);
    if (m_pid > 0)
        ::waitpid(m_pid, nullptr, 0);
}
#endif
