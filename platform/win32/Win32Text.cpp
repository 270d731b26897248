#include "Win32Text.h"

#include "CodePage.h"

std::wstring CWin32Text::Wide(const std::string& strAnsi)
{
    return Wide(AnsiToUtf16(strAnsi, SystemAnsiCodePage()));
}

std::string CWin32Text::Utf8(const std::wstring& strText) { return Utf32ToUtf8(Utf16ToUtf32(Utf16(strText))); }

bool CWin32Text::IsAnsiRepresentable(wchar_t ch)
{
    const CodePage cp = SystemAnsiCodePage();
    // UTF-8 holds every character, those beyond the BMP too, which come as two halves.
    if (cp == CodePage::Utf8)
        return true;
    if (ch >= 0xD800 && ch <= 0xDFFF)
        return false;
    return AnsiHasChar(static_cast<char32_t>(ch), cp);
}
