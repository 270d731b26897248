#pragma once

#include "File.h"

#include <cstddef>
#include <functional>
#include <string>

// Replaces a regular file as a whole: a temporary file beside the target, every write
// and the close checked, fsync, rename over the target, fsync of the folder. Symbolic
// links are followed, so the link stays and its target is replaced; the target keeps its
// permission bits and, where allowed, its owner. Anything but a regular file is refused.
// Errors are errno values or CFile's kind errors; CFile::ErrorText describes them.
class CFileReplace {
public:
    enum Result { replaced, failed, notDurable };

    explicit CFileReplace(const char* pszPath);

    // Follows links to the file the path names, which need not exist yet, and checks
    // that it may be replaced. Returns 0 or the error.
    int Resolve();
    std::string GetFolder() const;

    // Removes the temporary files that saves of this target left behind when they were
    // killed: exactly ".<name>.XXXXXX", six characters as mkstemp makes them, regular
    // files only. Call it only under the folder's lock. Returns how many went.
    int RemoveStaleTemporaries() const;

    // Writes the bytes in place of the resolved target. On failed the target is as it
    // was and no temporary file is left; on notDurable the new file is in place but the
    // folder could not be synced, so a crash may still bring back the old one.
    Result Replace(const void* pData, std::size_t nSize);
    int GetLastError() const { return m_nLastError; }
    // The new file's identity after a replace.
    const FileIdentity& GetNewIdentity() const { return m_newIdentity; }

    // Test seam: replaces write(2) for the temporary file. Reset with nullptr.
    using WriteHook = std::function<long(int fd, const void* pBuf, std::size_t nCount)>;
    static void SetWriteHook(WriteHook hook);

private:
    int FillTemporary(int fd, const void* pData, std::size_t nSize);
    // Writes every byte through the test hook, or the system's write when there is none.
    static int WriteAll(int fd, const void* pData, std::size_t nSize);
    // The system's own write: how many bytes it took, or -1 with errno set.
    static long SystemWrite(int fd, const void* pData, std::size_t nCount);
    // mkstemp's six characters, and nothing after them.
    static bool IsTemporarySuffix(const char* psz);

    std::string m_strPath;
    std::string m_strTarget;
    bool m_bExists = false;
    unsigned m_nMode = 0;
    unsigned m_nUid = 0;
    unsigned m_nGid = 0;
    int m_nLastError = 0;
    FileIdentity m_newIdentity;
};
