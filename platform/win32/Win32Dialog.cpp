#include "Win32Dialog.h"

#include "Win32Dpi.h"
#include "Win32EditFilter.h"

#include <windows.h>

#include <algorithm>

namespace {
// Dialogs open on this thread, innermost last: message boxes belong to the last one.
std::vector<HWND> g_openDialogs;

bool HasClass(HWND hWnd, const wchar_t* pszClass)
{
    wchar_t szClass[16];
    return ::GetClassNameW(hWnd, szClass, 16) > 0 && ::lstrcmpiW(szClass, pszClass) == 0;
}

std::wstring WindowText(HWND hWnd)
{
    const int nLength = ::GetWindowTextLengthW(hWnd);
    std::wstring strText(static_cast<std::size_t>(nLength) + 1, L'\0');
    strText.resize(static_cast<std::size_t>(::GetWindowTextW(hWnd, strText.data(), nLength + 1)));
    return strText;
}
}  // namespace

CWin32Dialog::CWin32Dialog(std::vector<std::uint16_t> templateWords, Win32DialogEvents events)
    : m_template(std::move(templateWords)), m_events(std::move(events))
{
    // RunModal shows the window once it is initialised, as DialogBox does; shown at its
    // creation, a dialog that ends while starting would flash on the screen.
    if (m_template.size() >= 2)
        m_template[1] &= static_cast<std::uint16_t>(~(WS_VISIBLE >> 16));
}

int CWin32Dialog::RunModal(HWND__* hOwner)
{
    const auto* pTemplate = reinterpret_cast<const DLGTEMPLATE*>(m_template.data());
    HWND hWnd = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), pTemplate, hOwner, &DialogProc,
                                             reinterpret_cast<LPARAM>(this));
    if (!hWnd)
        return -1;
    if (hOwner && ::IsWindowEnabled(hOwner)) {
        m_hDisabledOwner = hOwner;
        ::EnableWindow(hOwner, FALSE);
    }
    if (!m_bEnded) {
        ::ShowWindow(hWnd, SW_SHOWNORMAL);
        ::RedrawWindow(hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        m_events.onShown();
        RunLoop();
    }
    End(m_nResult);
    if (::IsWindow(hWnd))
        ::DestroyWindow(hWnd);
    return m_nResult;
}

void CWin32Dialog::RunLoop()
{
    MSG msg;
    while (!m_bEnded && m_hWnd) {
        const BOOL bGot = ::GetMessageW(&msg, nullptr, 0, 0);
        if (bGot == -1)
            break;
        if (!bGot) {
            // WM_QUIT belongs to the loop outside this one.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        Dispatch(msg);
    }
}

void CWin32Dialog::End(int nResult)
{
    if (!m_bEnded) {
        m_bEnded = true;
        m_nResult = nResult;
    }
    // The owner takes input again before this window hides, so the activation passes
    // to it rather than to some other program.
    if (m_hDisabledOwner) {
        ::EnableWindow(m_hDisabledOwner, TRUE);
        m_hDisabledOwner = nullptr;
    }
    if (m_hWnd && ::IsWindowVisible(m_hWnd)) {
        if (::IsChild(m_hWnd, ::GetFocus()))
            ::SetFocus(m_hWnd);
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
        ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
    }
}

HWND__* CWin32Dialog::TopDialog() { return g_openDialogs.empty() ? nullptr : g_openDialogs.back(); }

void CWin32Dialog::DispatchInTopDialog(tagMSG& msg)
{
    HWND hTop = TopDialog();
    if (auto* pTop = hTop ? reinterpret_cast<CWin32Dialog*>(::GetWindowLongPtrW(hTop, DWLP_USER)) : nullptr) {
        pTop->Dispatch(msg);
        return;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
}

void CWin32Dialog::Dispatch(tagMSG& msg)
{
    if (m_hWnd && (msg.hwnd == m_hWnd || ::IsChild(m_hWnd, msg.hwnd))) {
        if (TakeKey(msg) || ::IsDialogMessageW(m_hWnd, &msg))
            return;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
}

bool CWin32Dialog::TakeKey(const tagMSG& msg)
{
    // Wine makes a help request of F1 as it leaves the queue; the key itself is reported.
    constexpr UINT kWineKeyF1 = 0x004D;
    if (msg.message == kWineKeyF1)
        return true;
    if (msg.message != WM_KEYDOWN)
        return false;
    Win32DialogKey key;
    UINT nWanted = DLGC_WANTALLKEYS | DLGC_WANTMESSAGE;
    switch (msg.wParam) {
    case VK_RETURN:
        key = Win32DialogKey::Enter;
        break;
    case VK_ESCAPE:
        key = Win32DialogKey::Escape;
        break;
    case VK_TAB:
        key = ::GetKeyState(VK_SHIFT) < 0 ? Win32DialogKey::ShiftTab : Win32DialogKey::Tab;
        nWanted |= DLGC_WANTTAB;
        break;
    case VK_F1:
        key = Win32DialogKey::Help;
        nWanted = 0;
        break;
    default:
        return false;
    }
    // A control that asks for the key keeps it, as the dialog manager would leave it.
    MSG copy = msg;
    if (::SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&copy)) & nWanted)
        return false;
    m_events.onKey(key);
    return true;
}

INT_PTR CALLBACK CWin32Dialog::DialogProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_INITDIALOG) {
        auto* pThis = reinterpret_cast<CWin32Dialog*>(lParam);
        ::SetWindowLongPtrW(hWnd, DWLP_USER, lParam);
        return pThis->OnInit(hWnd) ? TRUE : FALSE;
    }
    auto* pThis = reinterpret_cast<CWin32Dialog*>(::GetWindowLongPtrW(hWnd, DWLP_USER));
    if (!pThis)
        return FALSE;
    switch (uMsg) {
    case WM_COMMAND:
        pThis->m_events.onCommand(LOWORD(wParam), HIWORD(wParam), lParam != 0);
        return TRUE;
    case WM_CLOSE:
        pThis->m_events.onKey(Win32DialogKey::CloseBox);
        return TRUE;
    case WM_HELP:
        // F1 has been reported as a key already.
        return TRUE;
    case WM_DPICHANGED:
        // The dialog manager scales the frame, the controls and their font; the icons
        // are ours to load again at the new size.
        pThis->ApplyIcon(false);
        pThis->ApplyIcon(true);
        return FALSE;
    case WM_DESTROY:
        g_openDialogs.erase(std::remove(g_openDialogs.begin(), g_openDialogs.end(), hWnd), g_openDialogs.end());
        pThis->m_hWnd = nullptr;
        ::SetWindowLongPtrW(hWnd, DWLP_USER, 0);
        return FALSE;
    default:
        return FALSE;
    }
}

bool CWin32Dialog::OnInit(HWND__* hWnd)
{
    m_hWnd = hWnd;
    g_openDialogs.push_back(hWnd);
    PrepareControls();
    CenterOnOwner();
    ApplyIcon(false);
    ApplyIcon(true);
    m_events.onInit();
    return false;
}

void CWin32Dialog::PrepareControls()
{
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (HasClass(hChild, L"Edit"))
            CWin32EditFilter::Attach(hChild, (::GetWindowLongW(hChild, GWL_STYLE) & ES_NUMBER) != 0);
    }
}

void CWin32Dialog::CenterOnOwner()
{
    // As the framework does for a dialog its template does not place: over the owner,
    // or over the work area when it has none, kept inside the work area.
    RECT rcDialog, rcArea, rcOver;
    ::GetWindowRect(m_hWnd, &rcDialog);
    HMONITOR hMonitor = ::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    ::GetMonitorInfoW(hMonitor, &info);
    rcArea = info.rcWork;
    HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (!hOwner || !::IsWindowVisible(hOwner) || !::GetWindowRect(hOwner, &rcOver))
        rcOver = rcArea;
    const int cx = rcDialog.right - rcDialog.left;
    const int cy = rcDialog.bottom - rcDialog.top;
    int x = (rcOver.left + rcOver.right - cx) / 2;
    int y = (rcOver.top + rcOver.bottom - cy) / 2;
    x = std::max<int>(rcArea.left, std::min<int>(x, rcArea.right - cx));
    y = std::max<int>(rcArea.top, std::min<int>(y, rcArea.bottom - cy));
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND__* CWin32Dialog::Item(int nID) const { return m_hWnd ? ::GetDlgItem(m_hWnd, nID) : nullptr; }

std::wstring CWin32Dialog::GetText(int nID) const
{
    HWND hItem = Item(nID);
    return hItem ? WindowText(hItem) : std::wstring();
}

void CWin32Dialog::SetText(int nID, const std::wstring& strText)
{
    if (HWND hItem = Item(nID))
        ::SetWindowTextW(hItem, strText.c_str());
}

int CWin32Dialog::GetState(int nID, Win32ControlState state) const
{
    HWND hItem = Item(nID);
    if (!hItem)
        return state == Win32ControlState::SelectedRow ? -1 : 0;
    switch (state) {
    case Win32ControlState::Checked:
        return ::SendMessageW(hItem, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    case Win32ControlState::Enabled:
        return ::IsWindowEnabled(hItem) ? 1 : 0;
    case Win32ControlState::Focused:
        return FocusedItem() == hItem ? 1 : 0;
    case Win32ControlState::SelectedRow: {
        const LRESULT nSel = ::SendMessageW(hItem, LB_GETCURSEL, 0, 0);
        return nSel == LB_ERR ? -1 : static_cast<int>(nSel);
    }
    }
    return 0;
}

void CWin32Dialog::SetState(int nID, Win32ControlState state, int nValue)
{
    HWND hItem = Item(nID);
    if (!hItem)
        return;
    switch (state) {
    case Win32ControlState::Checked:
        ::SendMessageW(hItem, BM_SETCHECK, nValue ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case Win32ControlState::Enabled:
        ::EnableWindow(hItem, nValue ? TRUE : FALSE);
        break;
    case Win32ControlState::Focused:
        // Through the dialog manager, so that the default button follows the focus.
        ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(hItem), TRUE);
        if (HasClass(hItem, L"Edit"))
            ::SendMessageW(hItem, EM_SETSEL, 0, -1);
        break;
    case Win32ControlState::SelectedRow:
        ::SendMessageW(hItem, LB_SETCURSEL, static_cast<WPARAM>(nValue), 0);
        break;
    }
}

HWND__* CWin32Dialog::FocusedItem() const
{
    HWND hFocus = ::GetFocus();
    while (hFocus && m_hWnd && ::GetParent(hFocus) != m_hWnd)
        hFocus = ::GetParent(hFocus);
    return hFocus;
}

void CWin32Dialog::SetCaption(const std::wstring& strCaption)
{
    if (m_hWnd)
        ::SetWindowTextW(m_hWnd, strCaption.c_str());
}

void CWin32Dialog::SetIcon(unsigned nResourceID, bool bBig)
{
    m_anIconID[bBig ? 1 : 0] = nResourceID;
    if (m_hWnd)
        ApplyIcon(bBig);
}

void CWin32Dialog::ApplyIcon(bool bBig)
{
    const unsigned nID = m_anIconID[bBig ? 1 : 0];
    HICON hIcon = nullptr;
    if (nID != 0) {
        const int nSize = Win32Dpi::IconSize(m_hWnd, bBig);
        // Shared icons are owned by the system, so nothing has to free them.
        hIcon = static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nID), IMAGE_ICON, nSize,
                                                nSize, LR_DEFAULTCOLOR | LR_SHARED));
    }
    ::SendMessageW(m_hWnd, WM_SETICON, bBig ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
}

void CWin32Dialog::ListInsert(int nID, int nIndex, const std::wstring& strText)
{
    if (HWND hItem = Item(nID))
        ::SendMessageW(hItem, LB_INSERTSTRING, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(strText.c_str()));
}

void CWin32Dialog::ListSetAll(int nID, const std::vector<std::wstring>& rows)
{
    HWND hItem = Item(nID);
    if (!hItem)
        return;
    // One repaint for the whole list rather than one per row.
    ::SendMessageW(hItem, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(hItem, LB_RESETCONTENT, 0, 0);
    std::size_t nChars = 0;
    for (const std::wstring& strRow : rows)
        nChars += strRow.size() + 1;
    ::SendMessageW(hItem, LB_INITSTORAGE, rows.size(), static_cast<LPARAM>(nChars * sizeof(wchar_t)));
    for (const std::wstring& strRow : rows)
        ::SendMessageW(hItem, LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(strRow.c_str()));
    ::SendMessageW(hItem, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(hItem, nullptr, TRUE);
}
