#pragma once

#include "DialogWindow.h"
#include "Wnd.h"

#include <memory>

// A modal dialog built from a numbered template.
class CDialog : public CWnd, private IDialogSite {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Builds the window from the template on the current backend and runs it until it
    // ends; returns the end code (IDOK, IDCANCEL, or -1 when the template is missing).
    virtual int DoModal();
    void EndDialog(int nResult);
    UINT GetTemplateID() const override { return m_nIDTemplate; }
    bool IsOpen() const { return m_pWindow != nullptr; }

    CDialogWindow* GetWindow() const { return m_pWindow.get(); }
    // Moves the focus to a control as the dialog manager does: an edit box gets all of
    // its text selected, so what the user types next replaces it.
    void GotoDlgCtrl(int nID);

protected:
    // Writes the fields into the controls; TRUE puts the focus on the first tab stop.
    virtual BOOL OnInitDialog();
    // Reads and checks the fields; ends with IDOK when they pass.
    virtual void OnOK();
    virtual void OnCancel();

private:
    CDialogWindow* GetOwnWindow() const override { return GetWindow(); }
    void SiteInitDialog() override;
    void SiteCommand(int nID, int nCode) override;
    void SiteKey(DialogKey key) override;
    void SiteShown() override;
    // Runs a handler; an exception it lets through goes to the application's
    // top-level report and the window stays open.
    template <class F> void Guard(F&& f);

    UINT m_nIDTemplate;
    const DialogTemplate* m_pTemplate = nullptr;  // while the window is open
    CWnd* m_pParentWnd;
    std::unique_ptr<CDialogWindow> m_pWindow;
};
