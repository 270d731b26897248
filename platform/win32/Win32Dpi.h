#pragma once

struct HWND__;

// The scale a window is drawn at, for the parts the dialog manager does not scale by
// itself when the window moves to a screen of another scale.
namespace Win32Dpi {
// The size Windows wants for a window's small or big icon at the window's scale; the
// system-wide size where Windows cannot tell a window's scale (before Windows 10).
int IconSize(HWND__* hWnd, bool bBig);
}  // namespace Win32Dpi
