#include "CatalogPlace.h"

#include "CatalogFile.h"
#include "File.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {
#ifdef _WIN32
// Windows takes both slashes.
const char* const kSeparators = "/\\";
const char kSeparator = '\\';
#else
const char* const kSeparators = "/";
const char kSeparator = '/';
#endif

CString Failure(const CString& strPath, const std::string& strWhy)
{
    return "'" + strPath + "': " + strWhy;
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

bool EndsWithIni(const std::string& strName)
{
    if (strName.size() <= 4)
        return false;
    std::string strEnd = strName.substr(strName.size() - 4);
    std::transform(strEnd.begin(), strEnd.end(), strEnd.begin(),
                   [](char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch + 32) : ch; });
    return strEnd == ".ini";
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

    CFileStatus status;
    int nError = CFile::GetStatus(path.c_str(), status);
    if (nError == 0 && status.kind == FileKind::directory) {
        place.m_strFolder = status.strFullName;
        place.m_strFile = CCatalogFile::DefaultFileName;
        return true;
    }
    const bool bFile = nError == 0 && status.kind == FileKind::regular && !bFolderOnly;
    if (nError == 0 && !bFile) {
        strError = Failure(strPath, bFolderOnly ? "not a folder" : "not a catalogue file or a folder");
        return false;
    }
    if (!bFile && nError != ENOENT && nError != ENOTDIR) {
        strError = Failure(strPath, CFile::ErrorText(nError));
        return false;
    }
    // An existing file, or a new catalogue's name in an existing folder: the place is
    // that folder.
    CFileStatus parent;
    nError = CFile::GetStatus(folder.c_str(), parent);
    const bool bNewInFolder = !bFolderOnly && EndsWithIni(name) && nError == 0 && parent.kind == FileKind::directory;
    if (!bFile && !bNewInFolder) {
        strError = Failure(strPath, bFolderOnly ? "no such folder"
                                                : "no such file or folder (a new catalogue's name ends in .ini)");
        return false;
    }
    if (nError != 0) {
        strError = Failure(strPath, CFile::ErrorText(nError));
        return false;
    }
    place.m_strFolder = parent.strFullName;
    place.m_strFile = name;
    return true;
}

bool CCatalogPlace::Enter(CEditedFile& file, CString& strError) const
{
    if (const int nError = CFile::SetCurrentFolder(m_strFolder)) {
        strError = Failure(m_strFolder, "cannot work in this folder: " + CFile::ErrorText(nError));
        return false;
    }
    file = CEditedFile(m_strFile, DisplayPath());
    return true;
}

CDisplayText CCatalogPlace::DisplayPath() const
{
    const std::string& folder = m_strFolder.Str();
    const bool bJoined = !folder.empty() && IsSeparator(folder.back());
    return CDisplayText::FromUtf8(folder + (bJoined ? "" : std::string(1, kSeparator)) + m_strFile.Str());
}
