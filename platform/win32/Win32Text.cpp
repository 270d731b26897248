#include "Win32Text.h"

#include <windows.h>

std::wstring CWin32Text::AnsiToWide(const std::string& strText)
{
    if (strText.empty())
        return std::wstring();
    const int nLength = static_cast<int>(strText.size());
    const int nWide = ::MultiByteToWideChar(CP_ACP, 0, strText.data(), nLength, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(nWide), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, strText.data(), nLength, wide.data(), nWide);
    return wide;
}

std::string CWin32Text::WideToAnsi(const std::wstring& strText)
{
    if (strText.empty())
        return std::string();
    const int nLength = static_cast<int>(strText.size());
    const int nBytes = ::WideCharToMultiByte(CP_ACP, 0, strText.data(), nLength, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(nBytes), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, strText.data(), nLength, ansi.data(), nBytes, nullptr, nullptr);
    return ansi;
}

bool CWin32Text::IsAnsiRepresentable(wchar_t ch)
{
    if (ch >= 0xD800 && ch <= 0xDFFF)
        return false;
    if (ch == L'?' || ::GetACP() == CP_UTF8)
        return true;
    char achBytes[4];
    BOOL bUsedDefault = FALSE;
    const int nBytes = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &ch, 1, achBytes, sizeof(achBytes), nullptr,
                                             &bUsedDefault);
    return nBytes > 0 && !bUsedDefault;
}
