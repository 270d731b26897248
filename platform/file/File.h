#pragma once

#include "String.h"

#include <cstdint>
#include <string>
#include <vector>

// What a path names, as far as reading and replacing a file cares.
enum class FileKind { regular, directory, fifo, characterDevice, blockDevice, socket, other };

// Enough of a file's status to tell one file, or one version of it, from another.
struct FileIdentity {
    std::uint64_t nDevice = 0;
    std::uint64_t nInode = 0;
    long long nSize = 0;
    long long nModifiedNs = 0;
};

// What a path names, as CFile::GetStatus tells it without opening it.
struct CFileStatus {
    FileKind kind = FileKind::other;
    // Absolute; on POSIX without symbolic links, as the system names the file.
    std::string strFullName;
};

// A file as the framework opens it, restricted to regular files: a FIFO, device, socket
// or folder is refused by Open (without blocking on it) rather than read or written.
// Paths are the file system's bytes: UTF-8 on Windows, where the system's half converts
// them for the wide-character calls, and normally on the other systems too.
// Failures are reported by the result and GetLastError: an errno value, or one of the
// negative codes below for a path that names something other than a regular file, or
// for a file another program holds.
class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        modeCreate = 0x1000,
    };
    enum KindError : int { errFifo = -1, errCharacterDevice = -2, errBlockDevice = -3, errSocket = -4, errOtherKind = -5 };
    // Windows only: another program has the file open and shares it with no reader or
    // writer like this one, and kept it so for as long as the file layer waits
    // (CShareRetry).
    enum : int { errSharingViolation = -6 };

    CFile() = default;
    ~CFile();
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    BOOL Open(const char* pszFileName, UINT nOpenFlags);
    // Returns how many bytes were read: fewer than nCount only at the end of the file.
    UINT Read(void* pBuf, UINT nCount);
    // Returns FALSE when not every byte could be written.
    BOOL Write(const void* pBuf, UINT nCount);
    // Reads from the current position to the end the file had when this call began,
    // into one buffer of that size. A file larger than nMaxSize is not read (EFBIG). FALSE
    // on a failure (see GetLastError).
    bool ReadAll(std::vector<BYTE>& bytes, std::uint64_t nMaxSize = UINT64_MAX);
    BOOL Close();
    // Moves to the start, for a file written over in place.
    BOOL SeekToBegin();
    // Cuts or extends the file to nLength bytes.
    BOOL SetLength(std::uint64_t nLength);
    // Puts what was written on the disk (fsync, FlushFileBuffers) before it returns.
    BOOL Flush();
    // The length of the open file, or -1 when it cannot be told.
    long long GetLength() const;
    FileIdentity GetIdentity() const;
    // The descriptor, for writing through CFileReplace's checked writes.
    int GetDescriptor() const { return m_fd; }
    bool IsOpen() const { return m_fd >= 0; }
    int GetLastError() const { return m_nLastError; }

    // Deletes a file. 0 or the error.
    static int Remove(const char* pszFileName);
    // What a path names, following links; 0, or the error (ENOENT when nothing is there).
    static int GetStatus(const char* pszPath, CFileStatus& status);
    // Makes a folder the working folder, which relative paths start from. 0 or the error.
    static int SetCurrentFolder(const char* pszFolder);

    // The text for an error of this class, in UTF-8: the system's for an errno value
    // ("Permission denied"), or what the path is for a kind error ("Is a FIFO (named
    // pipe), not a regular file").
    static std::string ErrorText(int nError);
    // The kind error for a path of that kind; 0 for a regular file, EISDIR for a folder.
    static int KindError(FileKind kind);

private:
    // What each system's half gives, on a descriptor, each returning 0 or the error.
    // Opens a regular file and refuses any other kind, without blocking on it; fd is -1
    // unless the open succeeded.
    static int OpenDescriptor(const char* pszFileName, UINT nOpenFlags, int& fd);
    // Moves up to nCount bytes in one call, retrying an interrupted one; nDone is 0 at
    // the end of the file or when a write took nothing.
    static int ReadSome(int fd, void* pBuf, UINT nCount, UINT& nDone);
    static int WriteSome(int fd, const void* pBuf, UINT nCount, UINT& nDone);
    static int CloseDescriptor(int fd);
    static int StatusOf(int fd, FileIdentity& id, unsigned& nLinks);
    // The offset of the next read: 0 or an errno value.
    int GetPosition(long long& nPos) const;
    // The system's words for an errno value, or for a system error that has none.
    static std::string SystemErrorText(int nError);

    int m_fd = -1;
    int m_nLastError = 0;
};
