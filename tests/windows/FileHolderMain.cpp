#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

// Another program holding a file open, as the programmer's own software may: it opens
// the file for reading, sharing it with readers ("read") or with nobody ("none"), says
// "y" (or "n") on its output and holds the file until its input closes. Given MS, it
// instead lets go MS milliseconds after a save's temporary file (".NAME.XXXXXX") shows
// beside the file, so that the save is already waiting for the hold when it ends.
// Usage: file_holder.exe FILE none|read [MS]

namespace {

bool TemporaryShows(const std::wstring& strFile)
{
    const std::size_t nSlash = strFile.find_last_of(L"\\/");
    const std::wstring strFolder = nSlash == std::wstring::npos ? L"" : strFile.substr(0, nSlash + 1);
    const std::wstring strName = nSlash == std::wstring::npos ? strFile : strFile.substr(nSlash + 1);
    WIN32_FIND_DATAW data;
    const HANDLE h = ::FindFirstFileW((strFolder + L"." + strName + L".??????").c_str(), &data);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    ::FindClose(h);
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3 && argc != 4)
        return 2;
    const DWORD nShare = std::wcscmp(argv[2], L"read") == 0 ? FILE_SHARE_READ : 0;
    const HANDLE h = ::CreateFileW(argv[1], GENERIC_READ, nShare, nullptr, OPEN_EXISTING, 0, nullptr);
    std::fputc(h != INVALID_HANDLE_VALUE ? 'y' : 'n', stdout);
    std::fflush(stdout);
    if (h == INVALID_HANDLE_VALUE)
        return 1;
    if (argc == 4) {
        // Bounded, so that a save that never comes cannot keep the test waiting.
        for (int nPoll = 0; nPoll < 6000 && !TemporaryShows(argv[1]); ++nPoll)
            ::Sleep(5);
        ::Sleep(static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)));
    } else {
        while (std::fgetc(stdin) != EOF) {
        }
    }
    ::CloseHandle(h);
    return 0;
}
