#include "VirtualStore.h"

#include "NativeFile.h"

#include <windows.h>
// The folder ids are defined here rather than taken from a library.
#include <initguid.h>
#include <knownfolders.h>
#include <shlobj.h>

namespace {

std::wstring KnownFolder(REFKNOWNFOLDERID id)
{
    PWSTR pszFolder = nullptr;
    std::wstring strFolder;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &pszFolder)) && pszFolder)
        strFolder = pszFolder;
    ::CoTaskMemFree(pszFolder);
    while (!strFolder.empty() && strFolder.back() == L'\\')
        strFolder.pop_back();
    return strFolder;
}

// Whether a full path lies inside the folder, whatever the case of either.
bool IsInside(const std::wstring& strPath, const std::wstring& strFolder)
{
    const int nLength = static_cast<int>(strFolder.size());
    return nLength > 0 && strPath.size() > strFolder.size() + 1 && strPath[strFolder.size()] == L'\\' &&
           ::CompareStringOrdinal(strPath.c_str(), nLength, strFolder.c_str(), nLength, TRUE) == CSTR_EQUAL;
}

}  // namespace

std::string CVirtualStore::CopyPathOf(const std::string& strPath)
{
    const std::wstring strFull = CNativeFile::FullPath(CNativeFile::WidePath(strPath));
    // Only a path on a drive has a place in the store, as its path without the drive.
    if (strFull.size() < 4 || strFull[1] != L':' || strFull[2] != L'\\')
        return std::string();
    static const KNOWNFOLDERID* const kVirtualized[] = {&FOLDERID_ProgramFiles, &FOLDERID_ProgramFilesX86,
                                                        &FOLDERID_Windows};
    for (const KNOWNFOLDERID* pId : kVirtualized) {
        if (IsInside(strFull, KnownFolder(*pId))) {
            const std::wstring strStore = KnownFolder(FOLDERID_LocalAppData);
            return strStore.empty() ? std::string()
                                    : CNativeFile::Utf8(strStore + L"\\VirtualStore" + strFull.substr(2));
        }
    }
    return std::string();
}

std::string CVirtualStore::ExistingCopyOf(const std::string& strPath)
{
    const std::string strCopy = CopyPathOf(strPath);
    CNativeFile::Status status;
    if (strCopy.empty() || CNativeFile::PathStatus(strCopy, status) != 0 || status.kind != CNativeFile::Kind::regular)
        return std::string();
    return strCopy;
}
