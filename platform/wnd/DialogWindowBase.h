#pragma once

#include "Backend.h"

#include <cstddef>
#include <exception>
#include <string>
#include <vector>

// What every backend's dialog window keeps the same way: the controls of the template,
// the texts as the program set them and as they were shown, the rows of list boxes, and
// an exception a handler let through. A backend derives from it and only draws: it puts
// texts and rows on its widgets and reads back what they show.
class CDialogWindowBase : public IDialogWindow {
public:
    CDialogWindowBase(const DialogTemplate& tmpl, IDialogSite& site);

    bool HasControl(int nID) const final;
    // Setting the text a control already shows raises no EN_CHANGE.
    void SetText(int nID, const CString& strText) final;
    CString GetText(int nID) const final;
    void ListResetContent(int nID) final;
    void ListInsertString(int nID, int nIndex, const CString& strText) final;
    void ListSetStrings(int nID, std::vector<CString> rows) final;
    int ListGetCount(int nID) const final;
    CString ListGetText(int nID, int nIndex) const final;
    int ListGetCurSel(int nID) const final;
    void ListSetCurSel(int nID, int nIndex) final;
    // The first result given stands; the window is closed on that one only.
    void EndModal(int nResult) final;
    void SetIcon(HICON hIcon, BOOL bBigIcon) final;

    bool IsEnded() const { return m_bEnded; }
    int Result() const { return m_nResult; }
    HICON BigIcon() const { return m_hBigIcon; }
    HICON SmallIcon() const { return m_hSmallIcon; }

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

    // The drawing a backend does. Texts cross as UTF-16, in which both window systems
    // show them; nControl is the control's place in the template. A window that holds
    // the framework's own 8-bit texts keeps the conversion in which each byte stands for
    // itself.
    virtual std::u16string ToShown(const CString& strText) const;
    virtual CString FromShown(const std::u16string& strShown) const;
    virtual std::u16string ShownText(std::size_t nControl) const = 0;
    virtual void ShowText(std::size_t nControl, const std::u16string& strShown) = 0;
    virtual void ShowRows(std::size_t nControl, const std::vector<std::u16string>& rows) = 0;
    virtual void ShowRowAt(std::size_t nControl, int nIndex, const std::u16string& strShown) = 0;
    // nIndex is a row of the list, or -1 for none.
    virtual void ShowSelectedRow(std::size_t nControl, int nIndex) = 0;
    virtual int SelectedRow(std::size_t nControl) const = 0;
    // A window that is drawn closes here, once, with the first result; and shows the
    // icon, which BigIcon and SmallIcon already return.
    virtual void CloseWindow(int /*nResult*/) {}
    virtual void ShowIcon(HICON /*hIcon*/, BOOL /*bBigIcon*/) {}

    const DialogTemplate& m_tmpl;
    IDialogSite& m_site;

private:
    struct ControlState {
        // The 8-bit text the program last set and how it was shown, so an untouched
        // text reads back byte for byte even where the code page has no character.
        CString strSet;
        std::u16string strShown;
        std::vector<CString> rows;  // list boxes: the rows as the program gave them
    };

    std::size_t TextIndexOf(int nID) const;
    std::size_t ListIndexOf(int nID) const;
    void KeepFailure() noexcept;

    std::vector<ControlState> m_controls;  // in template order
    int m_nProgramChange = 0;
    std::exception_ptr m_pendingException;
    bool m_bEnded = false;
    int m_nResult = IDCANCEL;
    HICON m_hBigIcon = nullptr;
    HICON m_hSmallIcon = nullptr;
};
