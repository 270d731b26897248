#include "Win32MessageBox.h"

#include <windows.h>
#include <commctrl.h>

namespace {
constexpr UINT_PTR kSubclassID = 0x4F53;

HHOOK g_hHook = nullptr;
int g_nEscapeAnswer = 0;

// Esc, and the close box through WM_CLOSE, reach a box as IDCANCEL; a box without a
// Cancel button gives them the answer it was made with, or drops them.
LRESULT CALLBACK BoxProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR dwEscape)
{
    const bool bCancel = (uMsg == WM_COMMAND && LOWORD(wParam) == IDCANCEL) || uMsg == WM_CLOSE ||
                         (uMsg == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE);
    if (bCancel && !::GetDlgItem(hWnd, IDCANCEL)) {
        if (dwEscape != 0)
            ::PostMessageW(hWnd, WM_COMMAND, MAKEWPARAM(dwEscape, BN_CLICKED), 0);
        return 0;
    }
    if (uMsg == WM_NCDESTROY)
        ::RemoveWindowSubclass(hWnd, &BoxProc, kSubclassID);
    return ::DefSubclassProc(hWnd, uMsg, wParam, lParam);
}

// Catches the box as it is activated, the first dialog window after the hook is set.
LRESULT CALLBACK CbtProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_ACTIVATE && g_hHook) {
        auto hWnd = reinterpret_cast<HWND>(wParam);
        wchar_t szClass[16] = L"";
        if (::GetClassNameW(hWnd, szClass, 16) && ::lstrcmpW(szClass, L"#32770") == 0) {
            HHOOK hHook = g_hHook;
            g_hHook = nullptr;
            ::SetWindowSubclass(hWnd, &BoxProc, kSubclassID, static_cast<DWORD_PTR>(g_nEscapeAnswer));
            if (g_nEscapeAnswer == 0)
                ::EnableMenuItem(::GetSystemMenu(hWnd, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
            const LRESULT nResult = ::CallNextHookEx(hHook, nCode, wParam, lParam);
            ::UnhookWindowsHookEx(hHook);
            return nResult;
        }
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}
}  // namespace

int CWin32MessageBox::Show(HWND__* hOwner, const std::wstring& strText, const std::wstring& strCaption, unsigned nType,
                           int nEscapeAnswer)
{
    if (!hOwner)
        nType |= MB_TASKMODAL;
    g_nEscapeAnswer = nEscapeAnswer;
    g_hHook = ::SetWindowsHookExW(WH_CBT, &CbtProc, nullptr, ::GetCurrentThreadId());
    const int nAnswer = ::MessageBoxW(hOwner, strText.c_str(), strCaption.c_str(), nType);
    if (g_hHook) {
        ::UnhookWindowsHookEx(g_hHook);
        g_hHook = nullptr;
    }
    return nAnswer;
}
