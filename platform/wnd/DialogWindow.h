#pragma once

#include "Backend.h"

#include <cstddef>
#include <exception>
#include <string>
#include <vector>

// What a drawing hook reads or sets of a control besides its text and rows.
enum class ControlState {
    Checked,      // 1 or 0; asked of check boxes only
    Enabled,      // 1 or 0
    Focused,      // 1 or 0; setting 1 also selects all of an edit box's text
    SelectedRow,  // a row of a list box, or -1 for none
};

// One dialog window of a backend, built from a template. The framework addresses its
// controls by ID, in 8-bit texts of the ANSI code page; titles and message boxes, which
// may name a file, take a CDisplayText, which says whether its bytes are ANSI or UTF-8.
//
// The window keeps what is the same on every backend: the controls of the template, the
// texts as the program set them and as they were shown, the rows of list boxes, the
// result, the title and the icons, and an exception a handler let through. A backend
// derives from it and only draws, through the hooks below: it puts texts, rows and
// states on its widgets and reads back what they show.
class CDialogWindow {
public:
    // Whether texts cross to the window through the system's code page, as a window
    // system shows them, or byte for byte, as a window held in memory keeps them.
    enum class TextForm { CodePage, Bytes };

    CDialogWindow(const DialogTemplate& tmpl, IDialogSite& site, TextForm form = TextForm::CodePage);
    CDialogWindow(const CDialogWindow&) = delete;
    CDialogWindow& operator=(const CDialogWindow&) = delete;
    virtual ~CDialogWindow() = default;

    // Runs SiteInitDialog, shows the window and runs until EndModal; returns its code.
    int RunModal();
    // The first result given stands; the window is closed on that one only.
    void EndModal(int nResult);
    bool IsEnded() const { return m_bEnded; }
    int Result() const { return m_nResult; }

    bool HasControl(int nID) const { return IndexOf(nID) != npos; }
    // Setting the text a control already shows raises no EN_CHANGE.
    void SetText(int nID, const CString& strText);
    CString GetText(int nID) const;
    int GetCheck(int nID) const;
    void SetCheck(int nID, int nCheck);
    void EnableControl(int nID, BOOL bEnable);
    BOOL IsControlEnabled(int nID) const;
    // Moves the focus as the dialog manager does: an edit box gets all its text selected.
    void SetFocusTo(int nID);
    // The ID of the control that has the focus, or 0.
    int GetFocus() const;
    // The window's title, in place of the template's caption.
    void SetCaption(const CDisplayText& strCaption);
    const CDisplayText& Caption() const { return m_caption; }
    void SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON BigIcon() const { return m_hBigIcon; }
    HICON SmallIcon() const { return m_hSmallIcon; }

    // List boxes hold rows in the order given; the framework decides sorted places and
    // passes only indexes from 0 to the row count.
    void ListResetContent(int nID) { ListSetStrings(nID, {}); }
    void ListInsertString(int nID, int nIndex, const CString& strText);
    void ListSetStrings(int nID, std::vector<CString> rows);
    int ListGetCount(int nID) const;
    CString ListGetText(int nID, int nIndex) const;
    int ListGetCurSel(int nID) const;
    void ListSetCurSel(int nID, int nIndex);

protected:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    // A control's place in the template, or npos when the template has no control with
    // that ID (or only unnumbered ones).
    std::size_t IndexOf(int nID) const;
    const ControlTemplate& TemplateAt(std::size_t nControl) const { return m_tmpl.controls[nControl]; }
    const std::vector<CString>& RowsAt(std::size_t nControl) const { return m_controls[nControl].rows; }
    // Records the texts the widgets show from the template; a backend calls it once its
    // widgets exist.
    void RecordTemplateTexts();

    // Reports to the dialog object. An exception it throws must not unwind through the
    // window system: it is kept and rethrown at the end of the modal loop, or of the
    // program's own change that raised it; a failure of the user's action ends the dialog.
    template <class F> void Deliver(F&& report) noexcept
    {
        try {
            report();
        } catch (...) {
            KeepFailure();
        }
    }
    void Notify(int nID, int nCode) noexcept;
    void RethrowPending();
    // True while the program changes a control, so that what the widget reports then is
    // not taken for the user's doing.
    bool IsProgramChange() const { return m_nProgramChange > 0; }
    std::u16string ToShown(const CString& strText) const;
    CString FromShown(const std::u16string& strShown) const;

    // The drawing hooks. Texts cross as UTF-16, in which both window systems show them;
    // nControl is the control's place in the template. The window:
    // runs until closed (SiteInitDialog first) and returns the code it was closed with;
    virtual int RunWindow() = 0;
    // closes, once, with the first result; shows the title and the icons. A backend that
    // cannot retitle a window, or has no window, keeps the template's.
    virtual void CloseWindow(int /*nResult*/) {}
    virtual void ShowCaption(const std::u16string& /*strCaption*/) {}
    virtual void ShowIcon(HICON /*hIcon*/, BOOL /*bBigIcon*/) {}
    // Its controls: a text, rows put into a list box before row nAt (in place of all
    // its rows when nAt is -1), and the states.
    virtual std::u16string ShownText(std::size_t nControl) const = 0;
    virtual void ShowText(std::size_t nControl, const std::u16string& strShown) = 0;
    virtual void ShowRows(std::size_t nControl, int nAt, const std::vector<std::u16string>& rows) = 0;
    virtual int ShownState(std::size_t nControl, ControlState state) const = 0;
    virtual void ShowState(std::size_t nControl, ControlState state, int nValue) = 0;

    const DialogTemplate& m_tmpl;
    IDialogSite& m_site;

private:
    struct ControlRecord {
        // The 8-bit text the program last set and how it was shown, so an untouched
        // text reads back byte for byte even where the code page has no character.
        CString strSet;
        std::u16string strShown;
        std::vector<CString> rows;  // list boxes: the rows as the program gave them
    };

    std::size_t TextIndexOf(int nID) const;
    std::size_t ListIndexOf(int nID) const;
    void KeepFailure() noexcept;

    TextForm m_form;
    std::vector<ControlRecord> m_controls;  // in template order
    int m_nProgramChange = 0;
    std::exception_ptr m_pendingException;
    bool m_bEnded = false;
    int m_nResult = IDCANCEL;
    CDisplayText m_caption;
    HICON m_hBigIcon = nullptr;
    HICON m_hSmallIcon = nullptr;
};
