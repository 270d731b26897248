#pragma once

#include "Backend.h"
#include "DialogUnits.h"

#include <QPointer>
#include <QString>

#include <exception>
#include <vector>

class CQtBackend;
class CQtDialogWidget;
class CQtEditValidator;
class QDialog;
class QWidget;

// A dialog of the Qt backend: a fixed-size window built from a template, whose controls
// report clicks, edits and list selections to the dialog object as notifications.
class CQtDialogWindow : public IDialogWindow {
public:
    CQtDialogWindow(CQtBackend& backend, const DialogTemplate& tmpl, IDialogSite& site, QWidget* pParent);
    ~CQtDialogWindow() override;

    QDialog* Widget() const;
    // The widget of a control, by ID or by its place in the template; null if none.
    QWidget* ControlWidget(int nID) const;
    QWidget* ControlWidgetAt(std::size_t nIndex) const;
    const CDialogUnits& Units() const { return m_units; }

    int RunModal() override;
    void EndModal(int nResult) override;
    bool HasControl(int nID) const override;
    void SetText(int nID, const CString& strText) override;
    CString GetText(int nID) const override;
    int GetCheck(int nID) const override;
    void SetCheck(int nID, int nCheck) override;
    void EnableControl(int nID, BOOL bEnable) override;
    BOOL IsControlEnabled(int nID) const override;
    void SetFocusTo(int nID) override;
    int GetFocus() const override;
    void SelectAllText(int nID) override;
    void SetIcon(HICON hIcon, BOOL bBigIcon) override;
    void SetCaption(const CString& strText) override;
    void ListResetContent(int nID) override;
    void ListInsertString(int nID, int nIndex, const CString& strText) override;
    void ListSetStrings(int nID, std::vector<CString> rows) override;
    int ListGetCount(int nID) const override;
    CString ListGetText(int nID, int nIndex) const override;
    int ListGetCurSel(int nID) const override;
    void ListSetCurSel(int nID, int nIndex) override;

private:
    struct Control {
        const ControlTemplate* pTmpl;
        QWidget* pWidget;
        // The 8-bit text the program last set and how it was shown, so an untouched
        // text reads back byte for byte even where the code page has no character.
        CString strSet;
        QString strShown;
        std::vector<CString> rows;  // list boxes: the rows as the program gave them
    };

    void BuildControls();
    void Connect(Control& ctl);
    Control* Find(int nID);
    const Control* Find(int nID) const;
    template <class W> W* ControlAs(int nID) const;
    void Notify(int nID, int nCode);
    // Runs a report to the dialog object; an exception it throws is kept for later.
    template <class F> void Deliver(F&& report);
    void RethrowPending();

    CQtBackend& m_backend;
    const DialogTemplate& m_tmpl;
    IDialogSite& m_site;
    CDialogUnits m_units;
    QPointer<CQtDialogWidget> m_pDialog;
    std::vector<Control> m_controls;
    HICON m_hBigIcon = nullptr;
    HICON m_hSmallIcon = nullptr;
    bool m_bEnded = false;
    bool m_bDestroying = false;
    int m_nResult = IDCANCEL;
    // Counted while the program changes a control (CScopedCount), so that list changes
    // it makes are not reported as the user's.
    int m_nProgramChange = 0;
    std::exception_ptr m_pendingException;
};
