#include "CatalogFile.h"

#include "Archive.h"
#include "ChipCatalog.h"
#include "File.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

const char* const CCatalogFile::DefaultFileName = "Progr.ini";

namespace {

CString& EditorFileName()
{
    static CString strPath = CCatalogFile::DefaultFileName;
    return strPath;
}

}  // namespace

void CCatalogFile::SetEditorFile(const CString& strPath)
{
    EditorFileName() = strPath;
}

const char* CCatalogFile::EditorFile()
{
    return EditorFileName();
}

namespace {

CCatalogFile::WriteHook& Hook()
{
    static CCatalogFile::WriteHook hook;
    return hook;
}

long WriteSome(int fd, const BYTE* p, std::size_t n)
{
    const CCatalogFile::WriteHook& hook = Hook();
    return hook ? hook(fd, p, n) : static_cast<long>(::write(fd, p, n));
}

CString Reason(const char* pszVerb, const char* pszPath, int nError)
{
    return CString(std::string("Cannot ") + pszVerb + " " + pszPath + ": " + std::strerror(nError));
}

std::string DirectoryOf(const std::string& path)
{
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

struct Target {
    std::string path;
    bool bExists = false;
    struct stat st {};
};

// Follows symbolic links to the file they name, which may not exist yet, so that a
// save replaces the target and leaves the link in place. Like the other steps of a
// save below, it returns 0 or the errno value of the failure.
int ResolveTarget(const char* pszPath, Target& target)
{
    target.path = pszPath;
    for (int nHops = 0; nHops < 40; ++nHops) {
        if (::lstat(target.path.c_str(), &target.st) != 0)
            return errno == ENOENT ? 0 : errno;
        if (!S_ISLNK(target.st.st_mode)) {
            target.bExists = true;
            if (S_ISDIR(target.st.st_mode))
                return EISDIR;
            // Renaming over a file needs no permission on the file itself, but a file
            // its owner made read-only is not to be replaced behind their back.
            return ::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) == 0 ? 0 : errno;
        }
        std::string link(static_cast<std::size_t>(PATH_MAX), '\0');
        ssize_t n = ::readlink(target.path.c_str(), &link[0], link.size());
        if (n < 0)
            return errno;
        link.resize(static_cast<std::size_t>(n));
        target.path = link[0] == '/' ? link : DirectoryOf(target.path) + "/" + link;
    }
    return ELOOP;
}

mode_t NewFileMode()
{
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

int WriteAll(int fd, const std::vector<BYTE>& bytes)
{
    std::size_t nDone = 0;
    while (nDone < bytes.size()) {
        std::size_t nWant = bytes.size() - nDone;
        long n = WriteSome(fd, bytes.data() + nDone, nWant);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno ? errno : EIO;
        // A writer that moves nothing (or claims more than it was given) would loop forever.
        if (n == 0 || static_cast<std::size_t>(n) > nWant)
            return EIO;
        nDone += static_cast<std::size_t>(n);
    }
    return 0;
}

// Gives the temporary file the old file's owner (best effort: only the super-user can
// always do it) and permission bits, then writes and syncs it.
int FillTemporary(int fd, const Target& target, const std::vector<BYTE>& bytes)
{
    mode_t mode = target.bExists ? (target.st.st_mode & 07777) : NewFileMode();
    if (target.bExists && (target.st.st_uid != ::geteuid() || target.st.st_gid != ::getegid()))
        (void)::fchown(fd, target.st.st_uid, target.st.st_gid);
    if (::fchmod(fd, mode) != 0)
        return errno;
    if (int nError = WriteAll(fd, bytes))
        return nError;
    return ::fsync(fd) == 0 ? 0 : errno;
}

void SyncDirectory(const std::string& dir)
{
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

int ReplaceAtomically(const Target& target, const std::vector<BYTE>& bytes)
{
    std::string dir = DirectoryOf(target.path);
    std::string base = target.path.substr(target.path.rfind('/') + 1);
    std::string temp = dir + "/." + base + ".XXXXXX";
    int fd = ::mkostemp(&temp[0], O_CLOEXEC);
    if (fd < 0)
        return errno;
    int nError = FillTemporary(fd, target, bytes);
    if (::close(fd) != 0 && nError == 0)
        nError = errno;
    if (nError == 0 && ::rename(temp.c_str(), target.path.c_str()) != 0)
        nError = errno;
    if (nError != 0) {
        ::unlink(temp.c_str());
        return nError;
    }
    SyncDirectory(dir);
    return 0;
}

}  // namespace

CCatalogFile::LoadResult CCatalogFile::Load(CChipCatalog& catalog, const char* pszPath)
{
    LoadResult result;
    CFile file;
    if (!file.Open(pszPath, CFile::modeRead)) {
        int nError = file.GetLastError();
        if (nError == ENOENT || nError == ENOTDIR)
            return result;
        result.status = unreadable;
        result.strMessage = Reason("read", pszPath, nError);
        return result;
    }
    std::vector<BYTE> bytes;
    try {
        if (!file.ReadAll(bytes)) {
            result.status = unreadable;
            result.strMessage = Reason("read", pszPath, file.GetLastError());
            return result;
        }
        file.Close();
        LoadFromBytes(catalog, bytes.data(), bytes.size(), pszPath);
        result.status = loaded;
    } catch (const CArchiveException& e) {
        result.status = damaged;
        result.strMessage = e.GetErrorMessage();
    } catch (const std::bad_alloc&) {
        result.status = unreadable;
        result.strMessage = Reason("read", pszPath, ENOMEM);
    }
    return result;
}

CCatalogFile::SaveResult CCatalogFile::Save(const CChipCatalog& catalog, const char* pszPath)
{
    SaveResult result;
    int nError = 0;
    try {
        std::vector<BYTE> bytes = StoreToBytes(catalog);
        Target target;
        nError = ResolveTarget(pszPath, target);
        if (nError == 0)
            nError = ReplaceAtomically(target, bytes);
    } catch (const std::bad_alloc&) {
        nError = ENOMEM;
    }
    if (nError != 0) {
        result.strMessage = Reason("save", pszPath, nError);
        return result;
    }
    result.status = saved;
    return result;
}

std::vector<BYTE> CCatalogFile::StoreToBytes(const CChipCatalog& catalog)
{
    CArchive ar;
    catalog.Store(ar);
    return ar.TakeStoredBytes();
}

void CCatalogFile::LoadFromBytes(CChipCatalog& catalog, const void* pData, std::size_t nSize,
                                 const CString& strFileName)
{
    CArchive ar(pData, nSize, strFileName);
    catalog.Serialize(ar);
}

void CCatalogFile::SetWriteHook(WriteHook hook)
{
    Hook() = std::move(hook);
}
