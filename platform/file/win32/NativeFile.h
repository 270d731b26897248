#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The Windows calls behind the framework's file classes, in plain C++ types, because
// <windows.h> cannot share a source file with the framework's Types.h. Paths are UTF-8,
// so that any file name the system has can be named, and are handed to the
// wide-character calls. An open file is a C runtime descriptor in binary mode that owns
// the native handle. Errors are errno values, or SharingViolation; a system error that
// has none is kept as NativeErrorBase plus its code, and ErrorText gives the system's
// words for it. A call that another program's hold on a file refuses is tried again for
// about a second (CShareRetry) before SharingViolation is given.
class CNativeFile {
public:
    enum class Kind { regular, directory, characterDevice, pipe, other };
    enum Access { readOnly, writeOnly, readWrite };

    struct Status {
        std::uint64_t nVolume = 0;
        std::uint64_t nIndex = 0;
        long long nSize = 0;
        long long nModifiedNs = 0;  // since 1970, as on the other systems
        Kind kind = Kind::regular;
        bool bReadOnly = false;
        unsigned nLinks = 0;  // from a handle only
    };

    static constexpr int NativeErrorBase = 0x10000;
    // CFile::errSharingViolation.
    static constexpr int SharingViolation = -6;
    static constexpr unsigned Utf8CodePage = 65001;

    // Between the framework's 8-bit strings in the system's ANSI code page (0, CP_ACP), or
    // another page the system converts, and the UTF-16 of the system's calls; a character
    // the page lacks becomes '?'.
    static std::wstring Wide(const std::string& strAnsi, unsigned nCodePage = 0);
    static std::string Ansi(const std::wstring& strWide, unsigned nCodePage = 0);
    // Between UTF-8, in which the program keeps paths and the texts that name them, and
    // the system's UTF-16.
    static std::wstring WidePath(const std::string& strPath) { return Wide(strPath, Utf8CodePage); }
    static std::string Utf8(const std::wstring& strWide) { return Ansi(strWide, Utf8CodePage); }
    // The full path of a path, relative to the working folder; the path itself when the
    // system cannot tell.
    static std::wstring FullPath(const std::wstring& strPath);
    // The errno value for a system error code, or NativeErrorBase plus the code.
    static int ErrorOf(unsigned long nSystemError);
    // The system's own text for a NativeErrorBase error, in UTF-8; empty for anything else.
    static std::string ErrorText(int nError);

    // Opens an existing file (or creates or truncates one with bCreate) without waiting
    // for anything, sharing it with readers, writers and a replace by another program.
    // A pipe's name is refused before it is opened, since opening one connects to it.
    // Returns 0 or the error; on 0 fd is set and the caller checks the kind.
    static int Open(const std::string& strPath, Access access, bool bCreate, int& fd, Kind& kind);
    // Creates a file of that path that did not exist, for writing.
    static int CreateNew(const std::string& strPath, int& fd);
    static int Close(int fd);
    // Reads or writes up to nCount bytes once; nDone tells how many moved.
    static int Read(int fd, void* pBuf, std::uint32_t nCount, std::uint32_t& nDone);
    static int Write(int fd, const void* pBuf, std::uint32_t nCount, std::uint32_t& nDone);
    static int Position(int fd, long long& nPos);
    static int Seek(int fd, long long nPos);
    // Moves the end of the file to nLength bytes.
    static int SetLength(int fd, std::uint64_t nLength);
    static int Flush(int fd);
    static int StatusOf(int fd, Status& status);

    // What a path names, without opening it: kind and read-only attribute, or ENOENT.
    static int PathStatus(const std::string& strPath, Status& status);
    // The whole status of the file or folder a path names, through a handle that no
    // other program's sharing mode refuses.
    static int FileStatus(const std::string& strPath, Status& status);
    static int SetCurrentFolder(const std::string& strFolder);
    // Whether two names are the same to the file system, which ignores case.
    static bool SameName(const std::string& strName, const std::string& strOther);
    // The path with links and junctions resolved, for a path that names one.
    static bool FinalPath(const std::string& strPath, std::string& strFinal);
    // Puts the file from over the file to, keeping to's attributes, security and
    // creation time where it exists; with write-through where it is new.
    static int PutInPlace(const std::string& strFrom, const std::string& strTo, bool bToExists);
    static int Remove(const std::string& strPath);
    // The user's folder for temporary files, with a separator at its end.
    static std::string TemporaryFolder();
    // The names of the regular files in a folder that match a wildcard pattern.
    static std::vector<std::string> FilesMatching(const std::string& strFolder, const std::string& strPattern);
    // The folder's identity, as Status gives it, for naming a lock.
    static int FolderIdentity(const std::string& strFolder, std::uint64_t& nVolume, std::uint64_t& nIndex);
};
