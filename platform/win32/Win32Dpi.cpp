#include "Win32Dpi.h"

#include <windows.h>

namespace {
// Both calls came with Windows 10 1607; looked up at run time, so that the programs
// still start on Windows 7.
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);

template <typename Fn>
Fn User32Call(const char* pszName)
{
    HMODULE hUser = ::GetModuleHandleW(L"user32.dll");
    return hUser ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(hUser, pszName))) : nullptr;
}
}  // namespace

int Win32Dpi::IconSize(HWND hWnd, bool bBig)
{
    static const auto pGetDpiForWindow = User32Call<GetDpiForWindowFn>("GetDpiForWindow");
    static const auto pGetSystemMetricsForDpi = User32Call<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    const int nMetric = bBig ? SM_CXICON : SM_CXSMICON;
    const UINT nDpi = pGetDpiForWindow && hWnd ? pGetDpiForWindow(hWnd) : 0;
    if (nDpi && pGetSystemMetricsForDpi)
        return pGetSystemMetricsForDpi(nMetric, nDpi);
    return ::GetSystemMetrics(nMetric);
}
