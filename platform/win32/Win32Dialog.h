#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct HWND__;
struct tagMSG;

// The keys a dialog reports instead of letting the dialog manager act on them.
enum class Win32DialogKey { Enter, Escape, Tab, ShiftTab, CloseBox, Help };

// What a dialog reads and sets of a control besides its text and rows.
enum class Win32ControlState {
    Checked,      // 1 or 0
    Enabled,      // 1 or 0
    Focused,      // 1 or 0; setting 1 also selects all of an edit box's text
    SelectedRow,  // a row of a list box, or -1 for none
};

// What a native dialog reports to the object that runs it. No handler may throw: a
// failure must not unwind through the system's dialog manager.
struct Win32DialogEvents {
    // Controls exist, the window is not shown yet. The dialog object puts the focus
    // where it wants it.
    std::function<void()> onInit;
    // The window and its controls have been painted for the first time.
    std::function<void()> onShown;
    // WM_COMMAND: a control notification (bFromControl), or a command from a menu or an
    // accelerator.
    std::function<void(int nID, int nCode, bool bFromControl)> onCommand;
    // Enter, Esc, Tab, Shift+Tab or F1 in the dialog, or its close box.
    std::function<void(Win32DialogKey key)> onKey;
};

// A modal dialog of the Win32 dialog manager, created from an in-memory dialog template
// (a sequence of WORDs, see CDialogTemplateBuilder), with its controls addressed by ID.
// Knows nothing of the framework: texts are UTF-16, IDs plain integers.
class CWin32Dialog {
public:
    CWin32Dialog(std::vector<std::uint16_t> templateWords, Win32DialogEvents events);
    CWin32Dialog(const CWin32Dialog&) = delete;
    CWin32Dialog& operator=(const CWin32Dialog&) = delete;

    // Makes the window, disables the owner and runs the dialog's own modal loop until
    // End; returns its code, or -1 when the window could not be made.
    int RunModal(HWND__* hOwner);
    // Ends the dialog: hides it and gives the owner back its input at once, as EndDialog
    // does; before the window exists it ends as soon as it is made.
    void End(int nResult);
    HWND__* Handle() const { return m_hWnd; }
    // The dialog open most recently and not yet closed, or null.
    static HWND__* TopDialog();
    // What the modal loop does with a message it took from the queue: the dialog's keys
    // are reported, the rest goes through the dialog manager and to its window.
    void Dispatch(tagMSG& msg);
    // The same for whichever backend dialog is open innermost.
    static void DispatchInTopDialog(tagMSG& msg);

    std::wstring GetText(int nID) const;
    void SetText(int nID, const std::wstring& strText);
    int GetState(int nID, Win32ControlState state) const;
    void SetState(int nID, Win32ControlState state, int nValue);
    void SetCaption(const std::wstring& strCaption);
    // Sets the window's big or small icon from the executable's icon resource nResourceID
    // (0 removes it), at the size the system uses for each.
    void SetIcon(unsigned nResourceID, bool bBig);

    void ListInsert(int nID, int nIndex, const std::wstring& strText);
    void ListSetAll(int nID, const std::vector<std::wstring>& rows);

private:
    static std::intptr_t __stdcall DialogProc(HWND__* hWnd, unsigned uMsg, std::uintptr_t wParam, std::intptr_t lParam);
    bool OnInit(HWND__* hWnd);
    bool TakeKey(const tagMSG& msg);
    void RunLoop();
    void PrepareControls();
    void CenterOnOwner();
    void ApplyIcon(bool bBig);
    // The control of the dialog, or its ancestor, that has the focus; null if none has.
    HWND__* FocusedItem() const;
    HWND__* Item(int nID) const;

    std::vector<std::uint16_t> m_template;
    Win32DialogEvents m_events;
    HWND__* m_hWnd = nullptr;
    HWND__* m_hDisabledOwner = nullptr;  // the owner this dialog disabled while it runs
    bool m_bEnded = false;
    int m_nResult = 0;
    unsigned m_anIconID[2] = {0, 0};  // small, big
};
