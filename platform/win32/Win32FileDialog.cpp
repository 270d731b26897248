#include "Win32FileDialog.h"

#include "NativeFile.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

namespace {
// The path as the ANSI code page spells it, or empty when some character has no spelling.
std::string ExactAnsi(const std::wstring& strPath)
{
    const std::string strAnsi = CNativeFile::Ansi(strPath);
    return CNativeFile::Wide(strAnsi) == strPath ? strAnsi : std::string();
}

// The short form of a path whose file may not exist yet: its folder's short form and
// the name as given.
std::wstring ShortPath(const std::wstring& strPath)
{
    const std::size_t nSlash = strPath.find_last_of(L"\\/");
    const bool bExists = ::GetFileAttributesW(strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
    const std::wstring strLong = bExists || nSlash == std::wstring::npos ? strPath : strPath.substr(0, nSlash);
    std::vector<wchar_t> buffer(MAX_PATH * 4);
    const DWORD nLength = ::GetShortPathNameW(strLong.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (nLength == 0 || nLength >= buffer.size())
        return strPath;
    std::wstring strShort(buffer.data(), nLength);
    return bExists || nSlash == std::wstring::npos ? strShort : strShort + strPath.substr(nSlash);
}
}  // namespace

bool CWin32FileDialog::AskForCatalog(HWND__* hOwner, std::string& strPath)
{
    std::vector<wchar_t> file(32768, L'\0');
    const wchar_t szOffered[] = L"Progr.ini";
    std::copy(std::begin(szOffered), std::end(szOffered), file.begin());
    static const wchar_t szFilter[] = L"Chip catalogues (*.ini)\0*.ini\0All files (*.*)\0*.*\0";
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = hOwner;
    ofn.lpstrFilter = szFilter;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrTitle = L"Open a chip catalogue";
    ofn.lpstrDefExt = L"ini";
    // No FILEMUSTEXIST: a name in a folder without a catalogue starts a new one there.
    ofn.Flags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!::GetOpenFileNameW(&ofn))
        return false;
    const std::wstring strChosen(file.data());
    std::string strAnsi = ExactAnsi(strChosen);
    if (strAnsi.empty())
        strAnsi = CNativeFile::Ansi(ShortPath(strChosen));
    strPath = strAnsi;
    return true;
}
