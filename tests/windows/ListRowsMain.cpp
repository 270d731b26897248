// Prints the rows of the list box of a top-level window, once a visible window of that
// title appears (within 20 s), as UTF-8, one a line; then closes the window.
// Usage: list_rows TITLE
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const std::wstring& text)
{
    std::string out(text.size() * 4, '\0');
    out.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                                             &out[0], static_cast<int>(out.size()), nullptr,
                                                             nullptr)));
    return out;
}

HWND FindShownWindow(const char* pszTitle)
{
    for (int i = 0; i < 200; ++i) {
        HWND hWnd = FindWindowA(nullptr, pszTitle);
        if (hWnd && IsWindowVisible(hWnd))
            return hWnd;
        Sleep(100);
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: list_rows TITLE\n");
        return 2;
    }
    HWND hWnd = FindShownWindow(argv[1]);
    HWND hList = hWnd ? FindWindowExA(hWnd, nullptr, "ListBox", nullptr) : nullptr;
    if (!hList) {
        std::fprintf(stderr, "no window \"%s\" with a list box\n", argv[1]);
        return 1;
    }
    // The rows as the list box shows them.
    const int nCount = static_cast<int>(SendMessageW(hList, LB_GETCOUNT, 0, 0));
    std::string out;
    for (int i = 0; i < nCount; ++i) {
        std::wstring row(static_cast<std::size_t>(SendMessageW(hList, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        row.resize(static_cast<std::size_t>(SendMessageW(hList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(&row[0]))));
        out += Utf8(row) + "\n";
    }
    DWORD nWritten = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), out.data(), static_cast<DWORD>(out.size()), &nWritten, nullptr);
    PostMessageA(hWnd, WM_CLOSE, 0, 0);
    return 0;
}
