#include "Win32Module.h"

#include <windows.h>

std::string CWin32Module::FileTitle()
{
    char szPath[MAX_PATH * 2] = "";
    const DWORD nLength = ::GetModuleFileNameA(nullptr, szPath, sizeof(szPath));
    std::string strName(szPath, nLength < sizeof(szPath) ? nLength : 0);
    const std::size_t nSlash = strName.find_last_of("\\/:");
    if (nSlash != std::string::npos)
        strName.erase(0, nSlash + 1);
    const std::size_t nDot = strName.find_last_of('.');
    if (nDot != std::string::npos && nDot > 0)
        strName.erase(nDot);
    return strName;
}
