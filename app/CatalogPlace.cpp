#include "CatalogPlace.h"

#include "CatalogFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
#ifdef _WIN32
// Windows takes both slashes; its paths are in the ANSI code page already.
const char* const kSeparators = "/\\";
const char kSeparator = '\\';
#else
const char* const kSeparators = "/";
const char kSeparator = '/';
#endif

CString Failure(const CString& strPath, const char* pszWhy)
{
    return "'" + strPath + "': " + pszWhy;
}

bool IsSeparator(char ch)
{
    return std::strchr(kSeparators, ch) != nullptr && ch != '\0';
}

// How long the root at the start of a path is: "/", or on Windows "C:\" too.
std::size_t RootLength(const std::string& path)
{
#ifdef _WIN32
    if (path.size() >= 3 && path[1] == ':' && IsSeparator(path[2]))
        return 3;
#endif
    return !path.empty() && IsSeparator(path[0]) ? 1 : 0;
}

bool AbsoluteFolder(const std::string& strFolder, CString& strAbsolute)
{
#ifdef _WIN32
    char szResolved[_MAX_PATH * 4];
    if (!_fullpath(szResolved, strFolder.c_str(), sizeof szResolved))
        return false;
#else
    char szResolved[PATH_MAX];
    if (!realpath(strFolder.c_str(), szResolved))
        return false;
#endif
    strAbsolute = szResolved;
    return true;
}

bool IsFolder(const std::string& strPath)
{
    struct stat st;
    return stat(strPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool EndsWithIni(const std::string& strName)
{
    return strName.size() > 4 && strcasecmp(strName.c_str() + strName.size() - 4, ".ini") == 0;
}

}  // namespace

bool CCatalogPlace::Resolve(const CString& strPath, CCatalogPlace& place, CString& strError)
{
    std::string path = strPath.Str();
    const bool bFolderOnly = !path.empty() && IsSeparator(path.back());
    while (path.size() > std::max<std::size_t>(RootLength(path), 1) && IsSeparator(path.back()))
        path.pop_back();
    const std::size_t nSlash = path.find_last_of(kSeparators);
    const std::size_t nRoot = RootLength(path);
    const std::string folder = nSlash == std::string::npos ? "."
                               : nSlash < nRoot        ? path.substr(0, nRoot)
                                                       : path.substr(0, nSlash);
    const std::string name = nSlash == std::string::npos ? path : path.substr(nSlash + 1);

    struct stat st;
    if (stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            place.m_strFile = CCatalogFile::DefaultFileName;
            if (AbsoluteFolder(path, place.m_strFolder))
                return true;
        } else if (S_ISREG(st.st_mode) && !bFolderOnly) {
            place.m_strFile = name;
            if (AbsoluteFolder(folder, place.m_strFolder))
                return true;
        } else {
            strError = Failure(strPath, bFolderOnly ? "not a folder" : "not a catalogue file or a folder");
            return false;
        }
    } else if (errno != ENOENT && errno != ENOTDIR) {
        strError = Failure(strPath, std::strerror(errno));
        return false;
    } else if (bFolderOnly || !EndsWithIni(name) || !IsFolder(folder)) {
        strError = Failure(strPath, bFolderOnly ? "no such folder" : "no such file or folder (a new catalogue's name ends in .ini)");
        return false;
    } else {
        place.m_strFile = name;
        if (AbsoluteFolder(folder, place.m_strFolder))
            return true;
    }
    strError = Failure(strPath, std::strerror(errno));
    return false;
}

bool CCatalogPlace::Enter(CString& strError) const
{
    if (chdir(m_strFolder) != 0) {
        strError = Failure(m_strFolder, "cannot work in this folder: ");
        strError += std::strerror(errno);
        return false;
    }
    CCatalogFile::SetEditorFile(m_strFile);
    return true;
}

CDisplayText CCatalogPlace::DisplayPath() const
{
    const std::string& folder = m_strFolder.Str();
    const bool bJoined = !folder.empty() && IsSeparator(folder.back());
    return CDisplayText::FromUtf8(folder + (bJoined ? "" : std::string(1, kSeparator)) + m_strFile.Str());
}
