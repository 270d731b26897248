#include "NativeTestSupport.h"

#include "NativeFile.h"

#include <windows.h>

bool SetFileAttribute(const std::string& strPath, bool bHidden, bool bReadOnly)
{
    DWORD nAttributes = (bHidden ? FILE_ATTRIBUTE_HIDDEN : 0) | (bReadOnly ? FILE_ATTRIBUTE_READONLY : 0);
    return ::SetFileAttributesW(CNativeFile::WidePath(strPath).c_str(),
                                nAttributes ? nAttributes : FILE_ATTRIBUTE_NORMAL);
}

bool HasHiddenAttribute(const std::string& strPath)
{
    const DWORD nAttributes = ::GetFileAttributesW(CNativeFile::WidePath(strPath).c_str());
    return nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_HIDDEN);
}

std::shared_ptr<void> OpenShared(const std::string& strPath, unsigned nShare)
{
    const HANDLE h = ::CreateFileW(CNativeFile::WidePath(strPath).c_str(), GENERIC_READ, nShare, nullptr, OPEN_EXISTING,
                                   0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return nullptr;
    return std::shared_ptr<void>(h, [](void* p) { ::CloseHandle(p); });
}
