#include "support/LockHolder.h"

#include "NativeFile.h"

#include <windows.h>

#include <vector>

namespace {

// lock_holder.exe, in the test program's own folder.
std::wstring HolderProgram()
{
    std::vector<wchar_t> path(32768);
    const DWORD nLength = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::wstring strPath(path.data(), nLength);
    return strPath.substr(0, strPath.find_last_of(L"\\/") + 1) + L"lock_holder.exe";
}

}  // namespace

CLockHolder::CLockHolder(const std::string& strFolder)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE hReadyRead, hReadyWrite, hReleaseRead, hReleaseWrite;
    if (!::CreatePipe(&hReadyRead, &hReadyWrite, &inherit, 0))
        return;
    if (!::CreatePipe(&hReleaseRead, &hReleaseWrite, &inherit, 0)) {
        ::CloseHandle(hReadyRead);
        ::CloseHandle(hReadyWrite);
        return;
    }
    // The child inherits only its ends of the pipes.
    ::SetHandleInformation(hReadyRead, HANDLE_FLAG_INHERIT, 0);
    ::SetHandleInformation(hReleaseWrite, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = hReleaseRead;
    startup.hStdOutput = hReadyWrite;
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    std::wstring strCommand = L"\"" + HolderProgram() + L"\" \"" + CNativeFile::WidePath(strFolder) + L"\"";
    PROCESS_INFORMATION process = {};
    const bool bStarted = ::CreateProcessW(nullptr, &strCommand[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                           &startup, &process);
    ::CloseHandle(hReadyWrite);
    ::CloseHandle(hReleaseRead);
    if (bStarted) {
        ::CloseHandle(process.hThread);
        m_hProcess = process.hProcess;
        char ch = 0;
        DWORD nRead = 0;
        m_bHeld = ::ReadFile(hReadyRead, &ch, 1, &nRead, nullptr) && nRead == 1 && ch == 'y';
    }
    ::CloseHandle(hReadyRead);
    m_hRelease = hReleaseWrite;
}

void CLockHolder::Kill()
{
    if (!m_hProcess)
        return;
    ::TerminateProcess(m_hProcess, 9);
    ::WaitForSingleObject(m_hProcess, INFINITE);
    ::CloseHandle(m_hProcess);
    m_hProcess = nullptr;
}

CLockHolder::~CLockHolder()
{
    if (m_hRelease)
        ::CloseHandle(m_hRelease);
    if (m_hProcess) {
        ::WaitForSingleObject(m_hProcess, INFINITE);
        ::CloseHandle(m_hProcess);
    }
}
