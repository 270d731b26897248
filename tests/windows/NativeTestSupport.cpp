#include "NativeTestSupport.h"

#include <windows.h>

bool SetFileAttribute(const std::string& strPath, bool bHidden, bool bReadOnly)
{
    DWORD nAttributes = (bHidden ? FILE_ATTRIBUTE_HIDDEN : 0) | (bReadOnly ? FILE_ATTRIBUTE_READONLY : 0);
    return ::SetFileAttributesA(strPath.c_str(), nAttributes ? nAttributes : FILE_ATTRIBUTE_NORMAL);
}

bool HasHiddenAttribute(const std::string& strPath)
{
    const DWORD nAttributes = ::GetFileAttributesA(strPath.c_str());
    return nAttributes != INVALID_FILE_ATTRIBUTES && (nAttributes & FILE_ATTRIBUTE_HIDDEN);
}

std::shared_ptr<void> OpenExclusive(const std::string& strPath)
{
    const HANDLE h = ::CreateFileA(strPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return nullptr;
    return std::shared_ptr<void>(h, [](void* p) { ::CloseHandle(p); });
}
