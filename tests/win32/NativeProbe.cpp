#include "NativeProbe.h"

#include "NativeFile.h"
#include "Win32Dialog.h"

#include <windows.h>

#include <iterator>
#include <memory>
#include <sstream>

namespace NativeProbe {
namespace {
std::function<void()> g_idle;
UINT_PTR g_nIdleTimer = 0;
std::function<void()> g_guard;

void CALLBACK OnIdleTimer(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    ::KillTimer(nullptr, nTimer);
    g_nIdleTimer = 0;
    std::function<void()> fn = std::move(g_idle);
    g_idle = nullptr;
    if (fn)
        fn();
}

HWND Item(int nID) { return ::GetDlgItem(TopDialog(), nID); }

std::string Narrow(const std::wstring& str) { return CNativeFile::Ansi(str); }

// A message as the modal loop of hDialog hands it on.
void Deliver(HWND hDialog, HWND hTarget, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    MSG msg{};
    msg.hwnd = hTarget;
    msg.message = uMsg;
    msg.wParam = wParam;
    msg.lParam = lParam;
    // A backend dialog runs its own loop; a message box runs the system's.
    if (hDialog == TopDialog()) {
        CWin32Dialog::DispatchInTopDialog(msg);
        return;
    }
    if (::IsDialogMessageW(hDialog, &msg))
        return;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
}

void Deliver(HWND hTarget, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    Deliver(TopDialog(), hTarget, uMsg, wParam, lParam);
}

// Handles what the last action posted (a close box or F1 posts its command), leaving
// timers for the idle scripts.
void Pump()
{
    MSG msg;
    for (UINT nFirst : {0u, static_cast<UINT>(WM_TIMER + 1)}) {
        const UINT nLast = nFirst == 0 ? WM_TIMER - 1 : 0xFFFFFFFFu;
        while (::PeekMessageW(&msg, nullptr, nFirst, nLast, PM_REMOVE))
            CWin32Dialog::DispatchInTopDialog(msg);
    }
}

struct BoxSearch {
    HWND hOwner;
    HWND hFound;
};

BOOL CALLBACK MatchBox(HWND hWnd, LPARAM lParam)
{
    auto* pSearch = reinterpret_cast<BoxSearch*>(lParam);
    wchar_t szClass[16];
    if (::GetWindow(hWnd, GW_OWNER) == pSearch->hOwner && ::GetClassNameW(hWnd, szClass, 16) &&
        ::lstrcmpW(szClass, L"#32770") == 0 && ::IsWindowVisible(hWnd)) {
        pSearch->hFound = hWnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

std::string Describe(const Rect& rc)
{
    std::ostringstream out;
    out << "(" << rc.left << "," << rc.top << ")-(" << rc.right << "," << rc.bottom << ")";
    return out.str();
}

void RunWhenIdle(std::function<void()> fn)
{
    g_idle = std::move(fn);
    // A zero-length thread timer: WM_TIMER comes only when no other message waits.
    g_nIdleTimer = ::SetTimer(nullptr, 0, 0, &OnIdleTimer);
}

void CancelIdle()
{
    if (g_nIdleTimer)
        ::KillTimer(nullptr, g_nIdleTimer);
    g_nIdleTimer = 0;
    g_idle = nullptr;
}

HWND__* TopDialog() { return CWin32Dialog::TopDialog(); }

std::vector<ChildInfo> Children(HWND__* hDialog)
{
    std::vector<ChildInfo> children;
    for (HWND hChild = ::GetWindow(hDialog, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        wchar_t szClass[64] = L"";
        ::GetClassNameW(hChild, szClass, 64);
        RECT rc;
        ::GetWindowRect(hChild, &rc);
        ::MapWindowPoints(HWND_DESKTOP, hDialog, reinterpret_cast<POINT*>(&rc), 2);
        children.push_back({::GetDlgCtrlID(hChild), Narrow(szClass), WindowStyle(hChild), WindowExStyle(hChild),
                            {rc.left, rc.top, rc.right, rc.bottom}});
    }
    return children;
}

Rect MapDialogRect(HWND__* hDialog, int x, int y, int cx, int cy)
{
    // The dialog manager converts a place and a size each on its own.
    RECT rc{x, y, cx, cy};
    ::MapDialogRect(hDialog, &rc);
    return {rc.left, rc.top, rc.left + rc.right, rc.top + rc.bottom};
}

Rect ClientSize(HWND__* hDialog)
{
    RECT rc;
    ::GetClientRect(hDialog, &rc);
    return {rc.left, rc.top, rc.right, rc.bottom};
}

std::uint32_t WindowStyle(HWND__* hWnd) { return static_cast<std::uint32_t>(::GetWindowLongW(hWnd, GWL_STYLE)); }

std::uint32_t WindowExStyle(HWND__* hWnd) { return static_cast<std::uint32_t>(::GetWindowLongW(hWnd, GWL_EXSTYLE)); }

std::string WindowText(HWND__* hWnd)
{
    wchar_t szText[512] = L"";
    ::GetWindowTextW(hWnd, szText, 512);
    return Narrow(szText);
}

std::string WindowTextUtf8(HWND__* hWnd)
{
    wchar_t szText[512] = L"";
    ::GetWindowTextW(hWnd, szText, 512);
    return CNativeFile::Utf8(szText);
}

std::string FontFace(HWND__* hDialog)
{
    auto hFont = reinterpret_cast<HFONT>(::SendMessageW(hDialog, WM_GETFONT, 0, 0));
    LOGFONTW font{};
    if (!hFont || !::GetObjectW(hFont, sizeof(font), &font))
        return std::string();
    return Narrow(font.lfFaceName);
}

int WindowIconSize(HWND__* hDialog, bool bBig)
{
    auto hIcon = reinterpret_cast<HICON>(::SendMessageW(hDialog, WM_GETICON, bBig ? ICON_BIG : ICON_SMALL, 0));
    ICONINFO info{};
    if (!hIcon || !::GetIconInfo(hIcon, &info))
        return 0;
    BITMAP bm{};
    ::GetObjectW(info.hbmMask, sizeof(bm), &bm);
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor)
        ::DeleteObject(info.hbmColor);
    return bm.bmWidth;
}

void SendDpiChanged(HWND__* hDialog, int nDpi)
{
    RECT rect{};
    ::GetWindowRect(hDialog, &rect);
    ::SendMessageW(hDialog, WM_DPICHANGED, MAKEWPARAM(nDpi, nDpi), reinterpret_cast<LPARAM>(&rect));
}

int FocusID()
{
    HWND hFocus = ::GetFocus();
    return hFocus && ::GetParent(hFocus) == TopDialog() ? ::GetDlgCtrlID(hFocus) : 0;
}

namespace {
// Holds Shift down in the thread's key state, as the user's finger would.
class CShiftHeld {
public:
    explicit CShiftHeld(bool bHeld) : m_bHeld(bHeld)
    {
        if (!m_bHeld)
            return;
        ::GetKeyboardState(m_saved);
        BYTE state[256];
        std::copy(std::begin(m_saved), std::end(m_saved), state);
        state[VK_SHIFT] = state[VK_LSHIFT] = 0x80;
        ::SetKeyboardState(state);
    }
    ~CShiftHeld()
    {
        if (m_bHeld)
            ::SetKeyboardState(m_saved);
    }

private:
    bool m_bHeld;
    BYTE m_saved[256] = {};
};

// A key down and up at the focus of hDialog, through its modal loop. bKeepChar lets the
// character the key makes reach the control.
void KeyStroke(HWND hDialog, int nVirtualKey, bool bKeepChar)
{
    const UINT nScan = ::MapVirtualKeyW(static_cast<UINT>(nVirtualKey), MAPVK_VK_TO_VSC);
    HWND hTarget = ::GetFocus() ? ::GetFocus() : hDialog;
    Deliver(hDialog, hTarget, WM_KEYDOWN, static_cast<WPARAM>(nVirtualKey), 1 | (static_cast<LPARAM>(nScan) << 16));
    MSG msg;
    while (!bKeepChar && ::PeekMessageW(&msg, nullptr, WM_CHAR, WM_CHAR, PM_REMOVE)) {
    }
    hTarget = ::GetFocus() ? ::GetFocus() : hDialog;
    if (::IsWindow(hTarget))
        Deliver(hDialog, hTarget, WM_KEYUP, static_cast<WPARAM>(nVirtualKey),
                1 | (static_cast<LPARAM>(nScan) << 16) | (3LL << 30));
    Pump();
}

void PressCloseBox(HWND hWnd)
{
    // A close box the system menu greys out does not answer a click.
    HMENU hMenu = ::GetSystemMenu(hWnd, FALSE);
    const UINT nState = hMenu ? ::GetMenuState(hMenu, SC_CLOSE, MF_BYCOMMAND) : 0;
    if (nState != static_cast<UINT>(-1) && (nState & (MF_GRAYED | MF_DISABLED)))
        return;
    ::SendMessageW(hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
}

bool IsBackendDialog(HWND hWnd)
{
    for (HWND hOpen = TopDialog(); hOpen; hOpen = ::GetWindow(hOpen, GW_OWNER))
        if (hOpen == hWnd)
            return true;
    return false;
}

BOOL CALLBACK EndBox(HWND hWnd, LPARAM)
{
    wchar_t szClass[16];
    if (::GetClassNameW(hWnd, szClass, 16) && ::lstrcmpW(szClass, L"#32770") == 0 && !IsBackendDialog(hWnd))
        ::EndDialog(hWnd, 0);
    return TRUE;
}

int CountButtons(HWND hBox)
{
    int nButtons = 0;
    for (HWND hChild = ::GetWindow(hBox, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        wchar_t szClass[16] = L"";
        ::GetClassNameW(hChild, szClass, 16);
        nButtons += ::lstrcmpiW(szClass, L"Button") == 0 && ::IsWindowVisible(hChild) ? 1 : 0;
    }
    return nButtons;
}

struct BoxAction {
    std::vector<int> keys;
    int nClickID;
    std::function<void(const BoxReport&)> fnDone;
    int nPolls;
};
std::unique_ptr<BoxAction> g_pBoxAction;

void CALLBACK OnBoxTimer(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    // Polled: the box's own loop may run the timer before it shows the box.
    HWND hBox = FindMessageBox(TopDialog());
    if (!g_pBoxAction || (!hBox && ++g_pBoxAction->nPolls < 500))
        return;
    ::KillTimer(nullptr, nTimer);
    std::unique_ptr<BoxAction> pAction = std::move(g_pBoxAction);
    BoxReport report;
    if (hBox) {
        report.bFound = true;
        report.nButtons = CountButtons(hBox);
        for (int nKey : pAction->keys) {
            if (!::IsWindowVisible(hBox))
                break;
            if (nKey == kCloseBoxKey)
                PressCloseBox(hBox);
            else
                KeyStroke(hBox, nKey, false);
        }
        if (::IsWindowVisible(hBox) && pAction->nClickID)
            ::SendMessageW(::GetDlgItem(hBox, pAction->nClickID), BM_CLICK, 0, 0);
        report.bLeftOpen = ::IsWindowVisible(hBox) != FALSE;
        if (report.bLeftOpen)
            ::EndDialog(hBox, 0);
    }
    pAction->fnDone(report);
}

struct FileDialogAnswer {
    std::wstring strFileName;
    std::function<void(const std::string&)> fnDone;
    int nPolls;
};
std::unique_ptr<FileDialogAnswer> g_pFileAnswer;

void CALLBACK OnFileDialogTimer(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    HWND hDialog = FindMessageBox(nullptr);
    if (!g_pFileAnswer || (!hDialog && ++g_pFileAnswer->nPolls < 500))
        return;
    ::KillTimer(nullptr, nTimer);
    std::unique_ptr<FileDialogAnswer> pAnswer = std::move(g_pFileAnswer);
    if (!hDialog) {
        pAnswer->fnDone(std::string());
        return;
    }
    const std::string strTitle = WindowText(hDialog);
    // The file name box of the Open dialog: a combo box (cmb13), or an edit box (edt1).
    const int nNameBox = ::GetDlgItem(hDialog, 0x47C) ? 0x47C : 0x480;
    if (pAnswer->strFileName.empty()) {
        ::PostMessageW(hDialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    } else {
        ::SetDlgItemTextW(hDialog, nNameBox, pAnswer->strFileName.c_str());
        ::PostMessageW(hDialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
    pAnswer->fnDone(strTitle);
}

void CALLBACK OnGuardTimer(HWND, UINT, UINT_PTR nTimer, DWORD)
{
    ::KillTimer(nullptr, nTimer);
    std::function<void()> fn = std::move(g_guard);
    g_guard = nullptr;
    if (fn)
        fn();
}
}  // namespace

unsigned StartGuard(unsigned nMs, std::function<void()> fn)
{
    g_guard = std::move(fn);
    return static_cast<unsigned>(::SetTimer(nullptr, 0, nMs, &OnGuardTimer));
}

void StopGuard(unsigned nGuard)
{
    ::KillTimer(nullptr, nGuard);
    g_guard = nullptr;
}

void PressKey(int nVirtualKey, bool bShift)
{
    CShiftHeld shift(bShift);
    KeyStroke(TopDialog(), nVirtualKey, false);
}

void TypeKeys(int nID, const std::wstring& strKeys)
{
    HWND hEdit = Item(nID);
    if (!hEdit)
        return;
    RECT rc;
    ::GetClientRect(hEdit, &rc);
    const LPARAM nAt = MAKELPARAM(rc.right - 2, rc.bottom / 2);
    Deliver(hEdit, WM_LBUTTONDOWN, MK_LBUTTON, nAt);
    Deliver(hEdit, WM_LBUTTONUP, 0, nAt);
    const auto nEnd = static_cast<WPARAM>(::GetWindowTextLengthW(hEdit));
    ::SendMessageW(hEdit, EM_SETSEL, nEnd, static_cast<LPARAM>(nEnd));
    for (wchar_t ch : strKeys) {
        const SHORT nKey = ::VkKeyScanW(ch);
        if (nKey == -1) {
            Deliver(::GetFocus(), WM_CHAR, ch, 1);
            continue;
        }
        CShiftHeld shift((nKey & 0x100) != 0);
        KeyStroke(TopDialog(), nKey & 0xFF, true);
    }
}

void CloseBox() { PressCloseBox(TopDialog()); }

std::string ControlText(int nID) { return WindowText(Item(nID)); }

bool IsShown(HWND__* hWnd) { return hWnd && ::IsWindow(hWnd) && ::IsWindowVisible(hWnd); }

void AnswerNextFileDialog(std::wstring strFileName, std::function<void(const std::string&)> fnDone)
{
    g_pFileAnswer.reset(new FileDialogAnswer{std::move(strFileName), std::move(fnDone), 0});
    ::SetTimer(nullptr, 0, 10, &OnFileDialogTimer);
}

void EndMessageBoxes() { ::EnumThreadWindows(::GetCurrentThreadId(), &EndBox, 0); }

void ActOnNextMessageBox(std::vector<int> keys, int nClickID, std::function<void(const BoxReport&)> fnDone)
{
    g_pBoxAction.reset(new BoxAction{std::move(keys), nClickID, std::move(fnDone), 0});
    ::SetTimer(nullptr, 0, 10, &OnBoxTimer);
}

void TypeText(const std::wstring& strText)
{
    for (wchar_t ch : strText)
        Deliver(::GetFocus(), WM_CHAR, ch, 1);
}

void Click(int nID)
{
    if (HWND hItem = Item(nID))
        ::SendMessageW(hItem, BM_CLICK, 0, 0);
}

std::pair<int, int> EditSelection(int nID)
{
    DWORD nStart = 0, nEnd = 0;
    ::SendMessageW(Item(nID), EM_GETSEL, reinterpret_cast<WPARAM>(&nStart), reinterpret_cast<LPARAM>(&nEnd));
    return {static_cast<int>(nStart), static_cast<int>(nEnd)};
}

std::vector<std::string> ListRowsShown(int nID)
{
    HWND hList = Item(nID);
    std::vector<std::string> rows;
    const LRESULT nCount = ::SendMessageW(hList, LB_GETCOUNT, 0, 0);
    for (LRESULT n = 0; n < nCount; ++n) {
        std::wstring strRow(static_cast<std::size_t>(::SendMessageW(hList, LB_GETTEXTLEN, n, 0)) + 1, L'\0');
        strRow.resize(static_cast<std::size_t>(::SendMessageW(hList, LB_GETTEXT, n, reinterpret_cast<LPARAM>(strRow.data()))));
        rows.push_back(Narrow(strRow));
    }
    return rows;
}

bool ControlVisible(int nID) { return ::IsWindowVisible(Item(nID)) != FALSE; }

HWND__* FindMessageBox(HWND__* hOwner)
{
    BoxSearch search{hOwner, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), &MatchBox, reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

std::string MessageBoxText(HWND__* hBox)
{
    // The text is the box's widest static control that holds text.
    std::string strText;
    for (HWND hChild = ::GetWindow(hBox, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        wchar_t szClass[16] = L"";
        ::GetClassNameW(hChild, szClass, 16);
        std::string strChild = WindowTextUtf8(hChild);
        if (::lstrcmpiW(szClass, L"Static") == 0 && strChild.size() > strText.size())
            strText = strChild;
    }
    return strText;
}

void Answer(HWND__* hBox, int nButtonID)
{
    ::SendMessageW(hBox, WM_COMMAND, MAKEWPARAM(nButtonID, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(hBox, nButtonID)));
}

int IconImageSize(unsigned nResourceID, int nSize)
{
    const auto Data = [](const wchar_t* pszName, const wchar_t* pszType) -> const BYTE* {
        HRSRC hInfo = ::FindResourceW(nullptr, pszName, pszType);
        HGLOBAL hData = hInfo ? ::LoadResource(nullptr, hInfo) : nullptr;
        return hData ? static_cast<const BYTE*>(::LockResource(hData)) : nullptr;
    };
    const BYTE* pGroup = Data(MAKEINTRESOURCEW(nResourceID), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    if (!pGroup)
        return 0;
    const int nImage = ::LookupIconIdFromDirectoryEx(const_cast<BYTE*>(pGroup), TRUE, nSize, nSize, LR_DEFAULTCOLOR);
    const BYTE* pImage = nImage ? Data(MAKEINTRESOURCEW(nImage), MAKEINTRESOURCEW(3)) : nullptr;  // RT_ICON
    if (!pImage)
        return 0;
    // A PNG image keeps its width big-endian at byte 16; a bitmap in its header at byte 4.
    if (pImage[0] == 0x89 && pImage[1] == 'P')
        return pImage[16] << 24 | pImage[17] << 16 | pImage[18] << 8 | pImage[19];
    return pImage[4] | pImage[5] << 8;
}

}  // namespace NativeProbe
