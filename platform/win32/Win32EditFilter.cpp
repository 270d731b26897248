#include "Win32EditFilter.h"

#include "Win32Text.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace {
constexpr UINT_PTR kSubclassID = 0x4F52;

bool IsAccepted(wchar_t ch, bool bDigitsOnly)
{
    if (bDigitsOnly && (ch < L'0' || ch > L'9'))
        return false;
    return CWin32Text::IsAnsiRepresentable(ch);
}

std::wstring ClipboardText(HWND hWnd)
{
    std::wstring strText;
    if (!::OpenClipboard(hWnd))
        return strText;
    if (HANDLE hData = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* pszText = static_cast<const wchar_t*>(::GlobalLock(hData))) {
            strText = pszText;
            ::GlobalUnlock(hData);
        }
    }
    ::CloseClipboard();
    return strText;
}

bool IsPasteAccepted(HWND hWnd, bool bDigitsOnly)
{
    for (wchar_t ch : ClipboardText(hWnd))
        if (!IsAccepted(ch, bDigitsOnly))
            return false;
    return true;
}

LRESULT CALLBACK FilterProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR dwDigitsOnly)
{
    const bool bDigitsOnly = dwDigitsOnly != 0;
    switch (uMsg) {
    case WM_CHAR: {
        // Control characters are editing keys (Backspace, Ctrl+C, ...), not text.
        const auto ch = static_cast<wchar_t>(wParam);
        if (ch >= 0x20 && !IsAccepted(ch, bDigitsOnly)) {
            ::MessageBeep(MB_OK);
            return 0;
        }
        break;
    }
    case WM_PASTE:
        if (!IsPasteAccepted(hWnd, bDigitsOnly)) {
            ::MessageBeep(MB_OK);
            return 0;
        }
        break;
    case WM_NCDESTROY:
        ::RemoveWindowSubclass(hWnd, &FilterProc, kSubclassID);
        break;
    default:
        break;
    }
    return ::DefSubclassProc(hWnd, uMsg, wParam, lParam);
}
}  // namespace

void CWin32EditFilter::Attach(HWND__* hEdit, bool bDigitsOnly)
{
    ::SetWindowSubclass(hEdit, &FilterProc, kSubclassID, bDigitsOnly ? 1 : 0);
}
