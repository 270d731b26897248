// Prints the order a real sorted list box (LBS_SORT) gives names: each line of the
// UTF-8 file named on the command line is converted to the system's ANSI code page,
// added with LB_ADDSTRING in file order, and the rows are printed back as UTF-8, one a
// line. The first line of the output names the ANSI page and the user locale, so a run
// under the wrong locale is seen. A name the page cannot hold ends the run with exit 2.
// Build: x86_64-w64-mingw32-g++ -O2 -static -o ListBoxOrder.exe ListBoxOrder.cpp
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::wstring Widen(const std::string& s, UINT nPage)
{
    std::wstring w(s.size(), L'\0');
    w.resize(static_cast<std::size_t>(
        MultiByteToWideChar(nPage, 0, s.data(), static_cast<int>(s.size()), &w[0], static_cast<int>(w.size()))));
    return w;
}

std::string Narrow(const std::wstring& w, UINT nPage, BOOL* pLost)
{
    std::string s(w.size() * 4, '\0');
    s.resize(static_cast<std::size_t>(WideCharToMultiByte(nPage, 0, w.data(), static_cast<int>(w.size()), &s[0],
                                                          static_cast<int>(s.size()), nullptr, pLost)));
    return s;
}

void Write(const std::string& s)
{
    DWORD nWritten = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), s.data(), static_cast<DWORD>(s.size()), &nWritten, nullptr);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: ListBoxOrder NAMES.txt\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    HWND hList = CreateWindowExA(0, "LISTBOX", "", WS_POPUP | LBS_SORT | LBS_HASSTRINGS, 0, 0, 100, 100, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!hList) {
        std::fprintf(stderr, "cannot create a list box (error %lu): is there a display?\n", GetLastError());
        return 1;
    }
    std::string strLine;
    while (std::getline(in, strLine)) {
        if (!strLine.empty() && strLine.back() == '\r')
            strLine.pop_back();
        if (strLine.empty())
            continue;
        BOOL bLost = FALSE;
        const std::string strAnsi = Narrow(Widen(strLine, CP_UTF8), CP_ACP, &bLost);
        if (bLost) {
            std::fprintf(stderr, "code page %u cannot hold \"%s\"\n", GetACP(), strLine.c_str());
            return 2;
        }
        SendMessageA(hList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(strAnsi.c_str()));
    }
    wchar_t szLocale[LOCALE_NAME_MAX_LENGTH] = L"";
    GetUserDefaultLocaleName(szLocale, LOCALE_NAME_MAX_LENGTH);
    Write("# code page " + std::to_string(GetACP()) + ", user locale " + Narrow(szLocale, CP_UTF8, nullptr) + "\n");
    const int nCount = static_cast<int>(SendMessageA(hList, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < nCount; ++i) {
        std::vector<char> row(static_cast<std::size_t>(SendMessageA(hList, LB_GETTEXTLEN, i, 0)) + 1);
        SendMessageA(hList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(row.data()));
        Write(Narrow(Widen(row.data(), CP_ACP), CP_UTF8, nullptr) + "\n");
    }
    DestroyWindow(hList);
    return 0;
}
