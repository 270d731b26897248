#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct HWND__;

// What a native dialog reports to the object that runs it. Neither call may throw: a
// failure must not unwind through the system's dialog manager.
class IWin32DialogEvents {
public:
    virtual ~IWin32DialogEvents() = default;
    // Controls exist, the window is not shown yet. The dialog object puts the focus
    // where it wants it.
    virtual void OnDialogInit() noexcept = 0;
    // WM_COMMAND: a control notification (bFromControl), or a command from a key, a menu
    // or the close box.
    virtual void OnDialogCommand(int nID, int nCode, bool bFromControl) noexcept = 0;
    // F1 anywhere in the dialog.
    virtual void OnDialogHelp() noexcept = 0;
};

// A modal dialog of the Win32 dialog manager, created from an in-memory dialog template
// (a sequence of WORDs, see CDialogTemplateBuilder), with its controls addressed by ID.
// Knows nothing of the framework: texts are UTF-16, IDs plain integers.
class CWin32Dialog {
public:
    CWin32Dialog(std::vector<std::uint16_t> templateWords, IWin32DialogEvents& events);
    CWin32Dialog(const CWin32Dialog&) = delete;
    CWin32Dialog& operator=(const CWin32Dialog&) = delete;

    // Runs DialogBoxIndirectParamW until End; returns its code, or -1 when the window
    // could not be made.
    int RunModal(HWND__* hOwner);
    // Ends the dialog; before the window exists it ends as soon as it is made.
    void End(int nResult);
    HWND__* Handle() const { return m_hWnd; }
    // The dialog open most recently and not yet closed, or null.
    static HWND__* TopDialog();

    std::wstring GetText(int nID) const;
    void SetText(int nID, const std::wstring& strText);
    int GetCheck(int nID) const;
    void SetCheck(int nID, int nCheck);
    void Enable(int nID, bool bEnable);
    bool IsEnabled(int nID) const;
    void Focus(int nID);
    // The ID of the control with the focus, or 0 when the focus is elsewhere.
    int FocusedID() const;
    void SetCaption(const std::wstring& strCaption);
    void SelectAll(int nID);
    // Sets the window's big or small icon from the executable's icon resource nResourceID
    // (0 removes it), at the size the system uses for each.
    void SetIcon(unsigned nResourceID, bool bBig);

    void ListReset(int nID);
    void ListInsert(int nID, int nIndex, const std::wstring& strText);
    void ListSetAll(int nID, const std::vector<std::wstring>& rows);
    int ListGetCurSel(int nID) const;
    void ListSetCurSel(int nID, int nIndex);

    // MessageBoxW, owned by hOwner (task-modal when null). Returns IDOK, IDYES or IDNO.
    static int ShowMessageBox(HWND__* hOwner, const std::wstring& strText, const std::wstring& strCaption,
                              unsigned nType);

private:
    static std::intptr_t __stdcall DialogProc(HWND__* hWnd, unsigned uMsg, std::uintptr_t wParam, std::intptr_t lParam);
    bool OnInit(HWND__* hWnd);
    void PrepareControls();
    void CenterOnOwner();
    void ApplyIcon(bool bBig);
    HWND__* Item(int nID) const;

    std::vector<std::uint16_t> m_template;
    IWin32DialogEvents& m_events;
    HWND__* m_hWnd = nullptr;
    bool m_bEnded = false;
    int m_nResult = 0;
    unsigned m_anIconID[2] = {0, 0};  // small, big
};
