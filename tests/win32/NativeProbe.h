#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct HWND__;

// What the tests ask of the window system, kept apart from the framework's headers:
// <windows.h> and the framework give different types to the same integer names.
namespace NativeProbe {

enum Key { kTab = 0x09, kReturn = 0x0D, kEscape = 0x1B, kEnd = 0x23, kHome = 0x24, kDown = 0x28, kF1 = 0x70 };

struct Rect {
    int left, top, right, bottom;
    bool operator==(const Rect& o) const { return left == o.left && top == o.top && right == o.right && bottom == o.bottom; }
};
std::string Describe(const Rect& rc);

struct ChildInfo {
    int nID;
    std::string strClass;
    std::uint32_t dwStyle;
    std::uint32_t dwExStyle;
    Rect rc;  // in the dialog's client coordinates
};

// Runs fn once, the next time the thread's message loop has nothing else to do (the
// open dialog has been shown and painted by then).
void RunWhenIdle(std::function<void()> fn);
void CancelIdle();

// The innermost open dialog of the backend, and facts about a window.
HWND__* TopDialog();
std::vector<ChildInfo> Children(HWND__* hDialog);
Rect MapDialogRect(HWND__* hDialog, int x, int y, int cx, int cy);
Rect ClientSize(HWND__* hDialog);
std::uint32_t WindowStyle(HWND__* hWnd);
std::uint32_t WindowExStyle(HWND__* hWnd);
// A window's text in the ANSI code page, or whole in UTF-8.
std::string WindowText(HWND__* hWnd);
std::string WindowTextUtf8(HWND__* hWnd);
std::string FontFace(HWND__* hDialog);
// The big (true) or small window icon's width, or 0 when none is set.
int WindowIconSize(HWND__* hDialog, bool bBig);
// Tells the dialog its screen's scale changed to nDpi, as Windows does when it moves.
void SendDpiChanged(HWND__* hDialog, int nDpi);

// Runs fn once after nMs unless stopped first: a guard that ends a modal loop a test
// left running, not a check of time.
unsigned StartGuard(unsigned nMs, std::function<void()> fn);
void StopGuard(unsigned nGuard);

// The user at the keyboard of the innermost dialog, through its modal loop.
int FocusID();
void PressKey(int nVirtualKey, bool bShift = false);
void TypeText(const std::wstring& strText);
// A click at the end of an edit box's text, then each character as its key.
void TypeKeys(int nID, const std::wstring& strKeys);
void Click(int nID);
// The window's close box; one the window system shows greyed does nothing.
void CloseBox();
std::string ControlText(int nID);
// Whether the innermost dialog is hWnd and shows on the screen.
bool IsShown(HWND__* hWnd);
std::pair<int, int> EditSelection(int nID);
std::vector<std::string> ListRowsShown(int nID);
bool ControlVisible(int nID);

// The message box owned by hOwner, or null; its caption and text (in UTF-8); a button
// press.
HWND__* FindMessageBox(HWND__* hOwner);
std::string MessageBoxText(HWND__* hBox);
void Answer(HWND__* hBox, int nButtonID);
// Ends every message box of the thread.
void EndMessageBoxes();

// What ActOnNextMessageBox found.
struct BoxReport {
    bool bFound = false;
    int nButtons = 0;        // push buttons the box shows
    bool bLeftOpen = false;  // open after the keys and the click; it has been ended
};
// When the next message box owned by the innermost dialog shows: presses the keys
// (kReturn, kEscape, or kCloseBoxKey) while it stays open, then clicks the button
// nClickID if it is still open, and reports.
constexpr int kCloseBoxKey = -1;
void ActOnNextMessageBox(std::vector<int> keys, int nClickID, std::function<void(const BoxReport&)> fnDone);
// When the system's Open dialog shows: types strFileName into its file name box and
// presses Open, or presses Cancel when strFileName is empty. Reports its title.
void AnswerNextFileDialog(std::wstring strFileName, std::function<void(const std::string& strTitle)> fnDone);

// The stored size of the image that Windows picks from icon nResourceID of the
// executable for nSize pixels; 0 when there is none.
int IconImageSize(unsigned nResourceID, int nSize);

}  // namespace NativeProbe
