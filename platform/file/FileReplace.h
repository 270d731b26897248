#pragma once

#include "File.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// Replaces a regular file as a whole: a temporary file beside the target, every write
// and the close checked, fsync, rename over the target, fsync of the folder. Symbolic
// links are followed, so the link stays and its target is replaced; the target keeps its
// permission bits and, where allowed, its owner. Anything but a regular file is refused.
// Where the folder cannot take the temporary file but the file itself may be written, or
// where the file has more than one name (hard link), the bytes are written in place
// instead: the old bytes are kept, the new ones written, the file cut to length and
// flushed to disk, and on any failure the old bytes are written back. That keeps owner,
// mode and every name, at the price of the atomic step.
// Errors are errno values or CFile's kind errors; CFile::ErrorText describes them.
class CFileReplace {
public:
    // restored: written in place, that failed, and the old bytes were written back, so
    // the file is as it was. damaged: they could not be written back either.
    enum Result { replaced, failed, notDurable, restored, damaged };
    // The step of an in-place write that failed.
    enum Step { stepOpen, stepRead, stepWrite, stepTruncate, stepFlush, stepClose };

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
    // folder could not be synced, so a crash may still bring back the old one; restored
    // and damaged come only from a write in place.
    Result Replace(const void* pData, std::size_t nSize);
    int GetLastError() const { return m_nLastError; }
    // The new file's identity after a replace.
    const FileIdentity& GetNewIdentity() const { return m_newIdentity; }

    // Whether the last Replace wrote the file in place, and where that failed: the step,
    // the error of writing the old bytes back (restored or damaged), and the copy of the
    // old bytes in the user's temporary folder, which is kept only when damaged (empty
    // when none could be made).
    bool WroteInPlace() const { return m_bInPlace; }
    Step GetFailedStep() const { return m_nFailedStep; }
    int GetRestoreError() const { return m_nRestoreError; }
    const std::string& GetCopyPath() const { return m_strCopy; }

    // Test seam: replaces write(2) for the temporary file and for a file written in
    // place. Reset with nullptr.
    using WriteHook = std::function<long(int fd, const void* pBuf, std::size_t nCount)>;
    static void SetWriteHook(WriteHook hook);

private:
    // Follows links from m_strPath to the file and reads what Resolve checks; the part
    // of Resolve that each system does its own way.
    int ResolveTarget();
    // The folder and the last name of a path, as the system writes paths.
    static std::string DirectoryOf(const std::string& path);
    static std::string BaseNameOf(const std::string& path);
    // ".<name>.", what the names of the target's temporary files begin with.
    std::string TemporaryPrefix() const;
    // Creates a new file named strPrefix plus six characters, for writing. 0 or the error.
    static int CreateTemporary(const std::string& strPrefix, std::string& strPath, int& fd);
    // Creates an empty file of its own in the user's folder for temporary files, named
    // after strName, and closes it. 0 or the error.
    static int CreateCopyFile(const std::string& strName, std::string& strPath);
    // The atomic replace; bFolderRefused tells that the folder took no temporary file.
    Result ReplaceWhole(const void* pData, std::size_t nSize, bool& bFolderRefused);
    int FillTemporary(int fd, const void* pData, std::size_t nSize);
    // The in-place write, and its parts: the copy of the old bytes, the new bytes over
    // the old ones, and the old ones back after a failure.
    Result WriteInPlace(const void* pData, std::size_t nSize);
    void CopyOldBytes(const std::vector<BYTE>& old);
    void DropCopy();
    int Overwrite(CFile& file, const void* pData, std::size_t nSize, Step& step);
    Result PutBack(CFile& file, const std::vector<BYTE>& old);
    // Why the folder refused the temporary file, when a write in place may work instead.
    static bool IsFolderRefusal(int nError);
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
    unsigned m_nLinks = 0;
    int m_nLastError = 0;
    FileIdentity m_newIdentity;
    bool m_bInPlace = false;
    Step m_nFailedStep = stepOpen;
    int m_nRestoreError = 0;
    std::string m_strCopy;
};
