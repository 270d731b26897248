// Loaded with LD_PRELOAD into orvane-cli: fails the Nth call of one file-system function.
//   ORVANE_FAULT_CALL   open, openat, mkostemp, write, ftruncate, fsync, close or rename
//   ORVANE_FAULT_NTH    which call fails, counting from 1
//   ORVANE_FAULT_ERROR  ENOSPC, EIO, EDQUOT, EINTR, or SHORT (a write of half the bytes)
//   ORVANE_FAULT_REPORT a file that is created when the fault was injected
// Only that one call fails, so a caller that retries EINTR and short writes succeeds.
//   ORVANE_FAULT_DENY_DIR  a folder that refuses new files (mkostemp fails with EACCES
//                          there, always and uncounted), as a read-only folder does to
//                          a user other than root

#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

int g_nCalls = 0;

template <typename Fn>
Fn Real(const char* pszName)
{
    return reinterpret_cast<Fn>(::dlsym(RTLD_NEXT, pszName));
}

const char* Setting(const char* pszName)
{
    const char* psz = std::getenv(pszName);
    return psz ? psz : "";
}

void Report()
{
    const char* pszPath = Setting("ORVANE_FAULT_REPORT");
    if (*pszPath) {
        int fd = Real<int (*)(const char*, int, ...)>("open")(pszPath, O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        if (fd >= 0)
            Real<int (*)(int)>("close")(fd);
    }
}

// The error to inject into this call of pszCall, or 0 to let it through; -1 means SHORT.
int FaultFor(const char* pszCall)
{
    if (std::strcmp(pszCall, Setting("ORVANE_FAULT_CALL")) != 0)
        return 0;
    if (++g_nCalls != std::atoi(Setting("ORVANE_FAULT_NTH")))
        return 0;
    static const struct {
        const char* pszName;
        int nError;
    } kErrors[] = {{"ENOSPC", ENOSPC}, {"EIO", EIO}, {"EDQUOT", EDQUOT}, {"EINTR", EINTR}, {"SHORT", -1}};
    for (const auto& e : kErrors) {
        if (std::strcmp(e.pszName, Setting("ORVANE_FAULT_ERROR")) == 0) {
            Report();
            return e.nError;
        }
    }
    return 0;
}

// Whether a new file of this name would be made in the folder that refuses them.
bool IsDenied(const char* pszTemplate)
{
    const char* pszDir = Setting("ORVANE_FAULT_DENY_DIR");
    const std::size_t nLen = std::strlen(pszDir);
    return nLen > 0 && std::strncmp(pszTemplate, pszDir, nLen) == 0 && pszTemplate[nLen] == '/' &&
           std::strchr(pszTemplate + nLen + 1, '/') == nullptr;
}

int Fail(int nError)
{
    errno = nError;
    return -1;
}

int OpenFlagsMode(int flags, va_list args)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? va_arg(args, int) : 0;
}

// This call of pszCall fails with the injected error, or goes on to the real function.
template <typename Fn, typename... Args>
auto FailOrPass(const char* pszCall, Args... args)
{
    using Result = decltype(Real<Fn>(pszCall)(args...));
    if (int nError = FaultFor(pszCall); nError > 0)
        return static_cast<Result>(Fail(nError));
    return Real<Fn>(pszCall)(args...);
}

}  // namespace

extern "C" {

int open(const char* pszPath, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const int mode = OpenFlagsMode(flags, args);
    va_end(args);
    return FailOrPass<int (*)(const char*, int, ...)>("open", pszPath, flags, mode);
}

int openat(int dirfd, const char* pszPath, int flags, ...)
{
    va_list args;
    va_start(args, flags);
    const int mode = OpenFlagsMode(flags, args);
    va_end(args);
    return FailOrPass<int (*)(int, const char*, int, ...)>("openat", dirfd, pszPath, flags, mode);
}

int mkostemp(char* pszTemplate, int flags)
{
    if (IsDenied(pszTemplate))
        return Fail(EACCES);
    return FailOrPass<int (*)(char*, int)>("mkostemp", pszTemplate, flags);
}

ssize_t write(int fd, const void* pBuf, size_t nCount)
{
    const int nError = FaultFor("write");
    if (nError > 0)
        return Fail(nError);
    if (nError < 0 && nCount > 1)
        nCount /= 2;
    return Real<ssize_t (*)(int, const void*, size_t)>("write")(fd, pBuf, nCount);
}

int ftruncate(int fd, off_t nLength)
{
    return FailOrPass<int (*)(int, off_t)>("ftruncate", fd, nLength);
}

int fsync(int fd)
{
    return FailOrPass<int (*)(int)>("fsync", fd);
}

int close(int fd)
{
    const int nError = FaultFor("close");
    // Linux releases the descriptor even when close reports a failure.
    const int rc = Real<int (*)(int)>("close")(fd);
    return nError > 0 ? Fail(nError) : rc;
}

int rename(const char* pszOld, const char* pszNew)
{
    return FailOrPass<int (*)(const char*, const char*)>("rename", pszOld, pszNew);
}

// On a 64-bit system the functions whose names end in 64 are the same as those without;
// the shim answers for both names, and the fault counts them as one call.
static_assert(sizeof(off_t) == sizeof(off64_t), "the shim is built for 64-bit systems");
int open64(const char*, int, ...) __attribute__((alias("open")));
int openat64(int, const char*, int, ...) __attribute__((alias("openat")));
int mkostemp64(char*, int) __attribute__((alias("mkostemp")));
int ftruncate64(int, off64_t) __attribute__((alias("ftruncate")));

}  // extern "C"
