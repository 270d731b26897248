#pragma once

// Helpers shared by the POSIX implementations of the file classes; no public header
// includes this one, so those stay free of POSIX types.

#include "File.h"

#include <sys/stat.h>

inline FileKind KindOfMode(mode_t mode)
{
    const struct {
        mode_t nType;
        FileKind kind;
    } kinds[] = {{S_IFREG, FileKind::regular},          {S_IFDIR, FileKind::directory},
                 {S_IFIFO, FileKind::fifo},             {S_IFCHR, FileKind::characterDevice},
                 {S_IFBLK, FileKind::blockDevice},      {S_IFSOCK, FileKind::socket}};
    for (const auto& k : kinds) {
        if ((mode & S_IFMT) == k.nType)
            return k.kind;
    }
    return FileKind::other;
}

// The kind of what a path names after following links; regular when it cannot be told,
// so that the caller reports its own error instead.
inline FileKind PathKind(const char* pszPath)
{
    struct stat st;
    return ::stat(pszPath, &st) == 0 ? KindOfMode(st.st_mode) : FileKind::regular;
}

inline FileIdentity IdentityOf(const struct stat& st)
{
    FileIdentity id;
    id.nDevice = static_cast<std::uint64_t>(st.st_dev);
    id.nInode = static_cast<std::uint64_t>(st.st_ino);
    id.nSize = static_cast<long long>(st.st_size);
    id.nModifiedNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    return id;
}
