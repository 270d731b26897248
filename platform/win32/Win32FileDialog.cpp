#include "Win32FileDialog.h"

#include "Win32Text.h"

#include <windows.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

bool CWin32FileDialog::AskForFile(HWND__* hOwner, const Request& request, std::string& strPath)
{
    std::vector<wchar_t> file(32768, L'\0');
    const std::wstring& strName = request.strSuggestedName;
    std::copy_n(strName.begin(), std::min(strName.size(), file.size() - 1), file.begin());
    // Each name shows its pattern, as "Text files (*.txt)"; the list ends with an empty one.
    std::wstring strFilter;
    for (std::size_t n = 0; n + 1 < request.filters.size(); n += 2) {
        strFilter += request.filters[n] + L" (" + request.filters[n + 1] + L")" + L'\0';
        strFilter += request.filters[n + 1] + L'\0';
    }
    strFilter += L'\0';
    const std::size_t nDot = request.strSuggestedName.find_last_of(L'.');
    const std::wstring strExt = nDot == std::wstring::npos ? std::wstring() : request.strSuggestedName.substr(nDot + 1);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = hOwner;
    ofn.lpstrFilter = strFilter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrTitle = request.strTitle.c_str();
    ofn.lpstrDefExt = strExt.empty() ? nullptr : strExt.c_str();
    // No FILEMUSTEXIST: a new name in an existing folder is a choice too.
    ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!::GetOpenFileNameW(&ofn))
        return false;
    strPath = CWin32Text::Utf8(file.data());
    return true;
}
