#include "NativeTestSupport.h"

#include <windows.h>

#include <vector>

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

CExclusiveOpen::CExclusiveOpen(const std::string& strPath)
{
    const HANDLE h = ::CreateFileA(strPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    m_hFile = h == INVALID_HANDLE_VALUE ? nullptr : h;
}

CExclusiveOpen::~CExclusiveOpen()
{
    if (m_hFile)
        ::CloseHandle(m_hFile);
}

bool KillLockHolderWhileItHolds(const std::string& strFolder)
{
    std::vector<char> path(32768);
    const DWORD nLength = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::string strProgram(path.data(), nLength);
    strProgram = strProgram.substr(0, strProgram.find_last_of("\\/") + 1) + "lock_holder.exe";

    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE hReadyRead, hReadyWrite, hInputRead, hInputWrite;
    if (!::CreatePipe(&hReadyRead, &hReadyWrite, &inherit, 0) || !::CreatePipe(&hInputRead, &hInputWrite, &inherit, 0))
        return false;
    ::SetHandleInformation(hReadyRead, HANDLE_FLAG_INHERIT, 0);
    ::SetHandleInformation(hInputWrite, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = hInputRead;
    startup.hStdOutput = hReadyWrite;
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    std::string strCommand = "\"" + strProgram + "\" \"" + strFolder + "\"";
    PROCESS_INFORMATION process = {};
    const bool bStarted = ::CreateProcessA(nullptr, &strCommand[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                           &startup, &process);
    ::CloseHandle(hReadyWrite);
    ::CloseHandle(hInputRead);
    char ch = 0;
    DWORD nRead = 0;
    const bool bHeld = bStarted && ::ReadFile(hReadyRead, &ch, 1, &nRead, nullptr) && nRead == 1 && ch == 'y';
    if (bStarted) {
        ::TerminateProcess(process.hProcess, 9);
        ::WaitForSingleObject(process.hProcess, INFINITE);
        ::CloseHandle(process.hProcess);
        ::CloseHandle(process.hThread);
    }
    ::CloseHandle(hReadyRead);
    ::CloseHandle(hInputWrite);
    return bHeld;
}
