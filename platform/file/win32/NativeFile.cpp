#include "NativeFile.h"

#include "ShareRetry.h"

#include <windows.h>

#include <cerrno>
#include <fcntl.h>
#include <io.h>

namespace {

HANDLE HandleOf(int fd)
{
    return reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
}

int LastError()
{
    return CNativeFile::ErrorOf(::GetLastError());
}

// Hands the handle to the C runtime, which closes it with the descriptor.
int AdoptHandle(HANDLE h, int nFlags, int& fd)
{
    fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(h), nFlags);
    if (fd < 0) {
        ::CloseHandle(h);
        return EMFILE;
    }
    ::_setmode(fd, _O_BINARY);
    return 0;
}

long long SinceUnixEpochNs(const FILETIME& ft)
{
    // FILETIME counts 100 ns steps from 1601; the other systems count from 1970.
    const long long nTicks = static_cast<long long>((static_cast<unsigned long long>(ft.dwHighDateTime) << 32) |
                                                    ft.dwLowDateTime);
    return (nTicks - 116444736000000000LL) * 100;
}

// Device names such as NUL, CON or COM1 turn into the device namespace, "\\.\", in
// whatever folder they are written, and pipes live there too. Such a path is told by its
// name, since opening a device or a pipe would already talk to it.
bool DeviceKind(const std::wstring& strFull, CNativeFile::Kind& kind)
{
    if (strFull.compare(0, 4, L"\\\\.\\") != 0 && strFull.compare(0, 4, L"\\\\?\\") != 0)
        return false;
    if (strFull.size() > 9 && ::CompareStringOrdinal(strFull.c_str() + 4, 5, L"pipe\\", 5, TRUE) == CSTR_EQUAL)
        kind = CNativeFile::Kind::pipe;
    else if (strFull[2] == L'.')
        kind = CNativeFile::Kind::characterDevice;
    else
        return false;
    return true;
}

// A file is opened again, after a pause, while another program's hold refuses it.
HANDLE CreateFileWaiting(const std::wstring& strPath, DWORD nAccess, DWORD nShare, DWORD nCreation, DWORD nFlags)
{
    HANDLE h = INVALID_HANDLE_VALUE;
    const int nError = CShareRetry::Run(
        [&] {
            h = ::CreateFileW(strPath.c_str(), nAccess, nShare, nullptr, nCreation, nFlags, nullptr);
            return h == INVALID_HANDLE_VALUE ? LastError() : 0;
        },
        CNativeFile::SharingViolation);
    // The error of the last try, for the caller to read as from CreateFileW itself.
    if (nError == CNativeFile::SharingViolation)
        ::SetLastError(ERROR_SHARING_VIOLATION);
    return h;
}

const DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

void FillStatus(const BY_HANDLE_FILE_INFORMATION& info, CNativeFile::Status& status)
{
    status.nVolume = info.dwVolumeSerialNumber;
    status.nIndex = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    status.nSize = static_cast<long long>((static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
    status.nModifiedNs = SinceUnixEpochNs(info.ftLastWriteTime);
    status.kind = (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? CNativeFile::Kind::directory
                                                                      : CNativeFile::Kind::regular;
    status.bReadOnly = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    status.nLinks = info.nNumberOfLinks;
}

CNativeFile::Kind KindOfHandle(HANDLE h, DWORD nAttributes)
{
    switch (::GetFileType(h)) {
    case FILE_TYPE_DISK:
        return (nAttributes & FILE_ATTRIBUTE_DIRECTORY) ? CNativeFile::Kind::directory : CNativeFile::Kind::regular;
    case FILE_TYPE_CHAR:
        return CNativeFile::Kind::characterDevice;
    case FILE_TYPE_PIPE:
        return CNativeFile::Kind::pipe;
    default:
        return CNativeFile::Kind::other;
    }
}

}  // namespace

std::wstring CNativeFile::Wide(const std::string& strAnsi, unsigned nCodePage)
{
    if (strAnsi.empty())
        return std::wstring();
    const int nLength = static_cast<int>(strAnsi.size());
    const int nWide = ::MultiByteToWideChar(nCodePage, 0, strAnsi.data(), nLength, nullptr, 0);
    std::wstring strWide(static_cast<std::size_t>(nWide), L'\0');
    ::MultiByteToWideChar(nCodePage, 0, strAnsi.data(), nLength, &strWide[0], nWide);
    return strWide;
}

std::string CNativeFile::Ansi(const std::wstring& strWide, unsigned nCodePage)
{
    if (strWide.empty())
        return std::string();
    const int nLength = static_cast<int>(strWide.size());
    const int nAnsi = ::WideCharToMultiByte(nCodePage, 0, strWide.data(), nLength, nullptr, 0, nullptr, nullptr);
    std::string strAnsi(static_cast<std::size_t>(nAnsi), '\0');
    ::WideCharToMultiByte(nCodePage, 0, strWide.data(), nLength, &strAnsi[0], nAnsi, nullptr, nullptr);
    return strAnsi;
}

std::wstring CNativeFile::FullPath(const std::wstring& strPath)
{
    const DWORD nNeed = ::GetFullPathNameW(strPath.c_str(), 0, nullptr, nullptr);
    if (nNeed == 0)
        return strPath;
    std::wstring strFull(nNeed, L'\0');
    const DWORD nGot = ::GetFullPathNameW(strPath.c_str(), nNeed, &strFull[0], nullptr);
    strFull.resize(nGot < nNeed ? nGot : 0);
    return strFull.empty() ? strPath : strFull;
}

int CNativeFile::ErrorOf(unsigned long nSystemError)
{
    // Each errno value with the system's errors that mean it; the places a list leaves are 0.
    static const struct {
        int nErrno;
        DWORD anSystem[6];
    } kMap[] = {
        {ENOENT, {ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND, ERROR_INVALID_DRIVE, ERROR_BAD_NETPATH,
                  ERROR_BAD_NET_NAME, ERROR_INVALID_NAME}},
        {EACCES, {ERROR_ACCESS_DENIED}},
        {EROFS, {ERROR_WRITE_PROTECT}},
        {ENOSPC, {ERROR_DISK_FULL, ERROR_HANDLE_DISK_FULL}},
        {EEXIST, {ERROR_FILE_EXISTS, ERROR_ALREADY_EXISTS}},
        {ENOMEM, {ERROR_NOT_ENOUGH_MEMORY, ERROR_OUTOFMEMORY}},
        {EMFILE, {ERROR_TOO_MANY_OPEN_FILES}},
        {ENOTDIR, {ERROR_DIRECTORY}},
        {ENAMETOOLONG, {ERROR_FILENAME_EXCED_RANGE}},
        {EXDEV, {ERROR_NOT_SAME_DEVICE}},
        {ELOOP, {ERROR_CANT_RESOLVE_FILENAME}},
        {EPIPE, {ERROR_BROKEN_PIPE}},
        {EIO, {ERROR_CRC, ERROR_IO_DEVICE}},
        {SharingViolation, {ERROR_SHARING_VIOLATION, ERROR_LOCK_VIOLATION}},
    };
    for (const auto& m : kMap) {
        for (DWORD nSystem : m.anSystem) {
            if (nSystem != ERROR_SUCCESS && nSystem == nSystemError)
                return m.nErrno;
        }
    }
    return nSystemError == ERROR_SUCCESS ? EIO : NativeErrorBase + static_cast<int>(nSystemError);
}

std::string CNativeFile::ErrorText(int nError)
{
    if (nError < NativeErrorBase)
        return std::string();
    wchar_t* pszText = nullptr;
    const DWORD nLength = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(nError - NativeErrorBase), 0, reinterpret_cast<wchar_t*>(&pszText), 0, nullptr);
    std::string strText = nLength ? Utf8(std::wstring(pszText, nLength)) : std::string();
    ::LocalFree(pszText);
    // The system ends its texts with a full stop and a line break; the callers add their own.
    while (!strText.empty() && (strText.back() == '\n' || strText.back() == '\r' || strText.back() == ' ' ||
                                strText.back() == '.'))
        strText.pop_back();
    return strText.empty() ? "System error " + std::to_string(nError - NativeErrorBase) : strText;
}

int CNativeFile::Open(const std::string& strPath, Access access, bool bCreate, int& fd, Kind& kind)
{
    const std::wstring strWide = WidePath(strPath);
    fd = -1;
    if (DeviceKind(FullPath(strWide), kind))
        return 0;
    const DWORD nAccess = access == readOnly ? GENERIC_READ : access == writeOnly ? GENERIC_WRITE
                                                                                   : GENERIC_READ | GENERIC_WRITE;
    const HANDLE h = CreateFileWaiting(strWide, nAccess, kShareAll, bCreate ? CREATE_ALWAYS : OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL);
    if (h == INVALID_HANDLE_VALUE) {
        const int nError = LastError();
        // A folder cannot be opened as a file at all; say what it is.
        const DWORD nAttributes = ::GetFileAttributesW(strWide.c_str());
        if (nError == EACCES && nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            kind = Kind::directory;
            return 0;
        }
        return nError;
    }
    BY_HANDLE_FILE_INFORMATION info = {};
    const bool bDisk = ::GetFileType(h) == FILE_TYPE_DISK;
    if (bDisk && !::GetFileInformationByHandle(h, &info)) {
        const int nError = LastError();
        ::CloseHandle(h);
        return nError;
    }
    kind = KindOfHandle(h, info.dwFileAttributes);
    return AdoptHandle(h, access == readOnly ? _O_RDONLY : 0, fd);
}

int CNativeFile::CreateNew(const std::string& strPath, int& fd)
{
    const HANDLE h = ::CreateFileW(WidePath(strPath).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return LastError();
    return AdoptHandle(h, 0, fd);
}

int CNativeFile::Close(int fd)
{
    return ::_close(fd) == 0 ? 0 : EIO;
}

int CNativeFile::Read(int fd, void* pBuf, std::uint32_t nCount, std::uint32_t& nDone)
{
    DWORD nGot = 0;
    const bool bOk = ::ReadFile(HandleOf(fd), pBuf, nCount, &nGot, nullptr);
    nDone = nGot;
    return bOk ? 0 : LastError();
}

int CNativeFile::Write(int fd, const void* pBuf, std::uint32_t nCount, std::uint32_t& nDone)
{
    DWORD nPut = 0;
    const bool bOk = ::WriteFile(HandleOf(fd), pBuf, nCount, &nPut, nullptr);
    nDone = nPut;
    return bOk ? 0 : LastError();
}

int CNativeFile::Position(int fd, long long& nPos)
{
    LARGE_INTEGER zero = {}, pos = {};
    if (!::SetFilePointerEx(HandleOf(fd), zero, &pos, FILE_CURRENT))
        return LastError();
    nPos = pos.QuadPart;
    return 0;
}

int CNativeFile::Seek(int fd, long long nPos)
{
    LARGE_INTEGER to = {};
    to.QuadPart = nPos;
    return ::SetFilePointerEx(HandleOf(fd), to, nullptr, FILE_BEGIN) ? 0 : LastError();
}

int CNativeFile::SetLength(int fd, std::uint64_t nLength)
{
    long long nPos = 0;
    if (int nError = Position(fd, nPos))
        return nError;
    if (int nError = Seek(fd, static_cast<long long>(nLength)))
        return nError;
    const int nError = ::SetEndOfFile(HandleOf(fd)) ? 0 : LastError();
    Seek(fd, nPos);
    return nError;
}

int CNativeFile::Flush(int fd)
{
    return ::FlushFileBuffers(HandleOf(fd)) ? 0 : LastError();
}

int CNativeFile::StatusOf(int fd, Status& status)
{
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(HandleOf(fd), &info))
        return LastError();
    FillStatus(info, status);
    return 0;
}

int CNativeFile::FileStatus(const std::string& strPath, Status& status)
{
    // A handle that asks for no access, which no sharing mode refuses; backup semantics
    // lets it open a folder too.
    const HANDLE h = ::CreateFileW(WidePath(strPath).c_str(), 0, kShareAll, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return LastError();
    BY_HANDLE_FILE_INFORMATION info;
    const int nError = ::GetFileInformationByHandle(h, &info) ? 0 : LastError();
    ::CloseHandle(h);
    if (nError == 0)
        FillStatus(info, status);
    return nError;
}

int CNativeFile::SetCurrentFolder(const std::string& strFolder)
{
    return ::SetCurrentDirectoryW(WidePath(strFolder).c_str()) ? 0 : LastError();
}

bool CNativeFile::SameName(const std::string& strName, const std::string& strOther)
{
    const std::wstring strWide = WidePath(strName), strOtherWide = WidePath(strOther);
    return ::CompareStringOrdinal(strWide.c_str(), static_cast<int>(strWide.size()), strOtherWide.c_str(),
                                  static_cast<int>(strOtherWide.size()), TRUE) == CSTR_EQUAL;
}

int CNativeFile::PathStatus(const std::string& strPath, Status& status)
{
    const std::wstring strWide = WidePath(strPath);
    if (DeviceKind(FullPath(strWide), status.kind))
        return 0;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExW(strWide.c_str(), GetFileExInfoStandard, &data))
        return LastError();
    status.kind = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? Kind::directory
                  : (data.dwFileAttributes & FILE_ATTRIBUTE_DEVICE)  ? Kind::characterDevice
                                                                     : Kind::regular;
    status.bReadOnly = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    status.nSize = static_cast<long long>((static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
    status.nModifiedNs = SinceUnixEpochNs(data.ftLastWriteTime);
    return 0;
}

bool CNativeFile::FinalPath(const std::string& strPath, std::string& strFinal)
{
    const std::wstring strWide = WidePath(strPath);
    const DWORD nAttributes = ::GetFileAttributesW(strWide.c_str());
    if (nAttributes == INVALID_FILE_ATTRIBUTES || !(nAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return false;
    const HANDLE h = ::CreateFileW(strWide.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                                   nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    std::wstring strWideFinal(32768, L'\0');
    const DWORD nLength = ::GetFinalPathNameByHandleW(h, &strWideFinal[0], 32768, FILE_NAME_NORMALIZED);
    ::CloseHandle(h);
    if (nLength == 0 || nLength >= 32768)
        return false;
    strWideFinal.resize(nLength);
    strFinal = Utf8(strWideFinal);
    return true;
}

namespace {

// One try at PutInPlace, on full paths.
int PutInPlaceOnce(const std::wstring& strFrom, const std::wstring& strTo, bool bToExists)
{
    if (bToExists) {
        // A failing ReplaceFileW may leave a backup file of its own behind (Wine's does), so
        // whether the old file may go at all is asked first: another program may hold it.
        const HANDLE h = ::CreateFileW(strTo.c_str(), DELETE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_NOT_FOUND)
            return LastError();
        if (h != INVALID_HANDLE_VALUE)
            ::CloseHandle(h);
        // ReplaceFileW keeps these on Windows, a rename under Wine does not.
        const DWORD nAttributes = ::GetFileAttributesW(strTo.c_str());
        const DWORD nKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
        if (nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & nKept))
            ::SetFileAttributesW(strFrom.c_str(), nAttributes & (nKept | FILE_ATTRIBUTE_ARCHIVE));
        if (::ReplaceFileW(strTo.c_str(), strFrom.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
            return 0;
    }
    const DWORD nError = bToExists ? ::GetLastError() : ERROR_FILE_NOT_FOUND;
    // The target went away meanwhile (or never was): a plain move puts the new file there.
    // After ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 the old file has already left its name, so
    // the new one must take it now.
    if (nError != ERROR_FILE_NOT_FOUND && nError != ERROR_UNABLE_TO_MOVE_REPLACEMENT_2)
        return CNativeFile::ErrorOf(nError);
    if (!::MoveFileExW(strFrom.c_str(), strTo.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return LastError();
    return 0;
}

}  // namespace

int CNativeFile::PutInPlace(const std::string& strFrom, const std::string& strTo, bool bToExists)
{
    // Wine's ReplaceFileW takes full paths only.
    const std::wstring strWideFrom = FullPath(WidePath(strFrom)), strWideTo = FullPath(WidePath(strTo));
    // Each try leaves both files under their names, or the new one in place.
    return CShareRetry::Run([&] { return PutInPlaceOnce(strWideFrom, strWideTo, bToExists); }, SharingViolation);
}

int CNativeFile::Remove(const std::string& strPath)
{
    return ::DeleteFileW(WidePath(strPath).c_str()) ? 0 : LastError();
}

std::string CNativeFile::TemporaryFolder()
{
    wchar_t szFolder[MAX_PATH + 1];
    const DWORD nLength = ::GetTempPathW(MAX_PATH + 1, szFolder);
    return nLength > 0 && nLength <= MAX_PATH ? Utf8(std::wstring(szFolder, nLength)) : std::string(".\\");
}

std::vector<std::string> CNativeFile::FilesMatching(const std::string& strFolder, const std::string& strPattern)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW data;
    const HANDLE h = ::FindFirstFileW(WidePath(strFolder + "\\" + strPattern).c_str(), &data);
    if (h == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)))
            names.push_back(Utf8(data.cFileName));
    } while (::FindNextFileW(h, &data));
    ::FindClose(h);
    return names;
}

int CNativeFile::FolderIdentity(const std::string& strFolder, std::uint64_t& nVolume, std::uint64_t& nIndex)
{
    Status status;
    if (int nError = FileStatus(strFolder, status))
        return nError;
    if (status.kind != Kind::directory)
        return ENOTDIR;
    nVolume = status.nVolume;
    nIndex = status.nIndex;
    return 0;
}
