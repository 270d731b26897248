#include "Win32Text.h"

#include <windows.h>

bool CWin32Text::IsAnsiRepresentable(wchar_t ch)
{
    // UTF-8 holds every character, those beyond the BMP too, which come as two halves.
    if (::GetACP() == CP_UTF8)
        return true;
    if (ch >= 0xD800 && ch <= 0xDFFF)
        return false;
    if (ch == L'?')
        return true;
    char achBytes[4];
    BOOL bUsedDefault = FALSE;
    const int nBytes = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &ch, 1, achBytes, sizeof(achBytes), nullptr,
                                             &bUsedDefault);
    return nBytes > 0 && !bUsedDefault;
}
