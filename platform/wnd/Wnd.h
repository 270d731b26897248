#pragma once

#include "Backend.h"
#include "CmdTarget.h"
#include "String.h"

class CDataExchange;

// A window: a dialog, or a control of a dialog addressed by its ID.
class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Reads controls into fields (TRUE) or writes fields into controls (FALSE). Stops at
    // the first rejected value and returns FALSE. Notifications from the dialog's
    // controls are not delivered while it runs.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    void SetDlgItemText(int nID, const CString& strText);
    CString GetDlgItemText(int nID) const;
    UINT IsDlgButtonChecked(int nID) const;
    void EnableDlgItem(int nID, BOOL bEnable);
    void SetIcon(HICON hIcon, BOOL bBigIcon);
    // A dialog's title, which may name a file in any script, or a control's text, which
    // holds only what the ANSI code page has.
    void SetWindowText(const CDisplayText& strText);

    // The dialog this window is or belongs to, and its control ID (0 for a dialog).
    CWnd* GetOwnerDialog() const { return m_pOwner; }
    int GetDlgCtrlID() const { return m_nID; }
    // A dialog's template; 0 for a window that is not a dialog.
    virtual UINT GetTemplateID() const { return 0; }
    // The backend window while the dialog is open, else null.
    CDialogWindow* GetBackendWindow() const;
    bool IsUpdatingData() const;

protected:
    friend class CDataExchange;
    void AttachToControl(CWnd* pDialog, int nID) { m_pOwner = pDialog; m_nID = nID; }
    // A dialog's own window while it is open; a control has none and uses its dialog's.
    virtual CDialogWindow* GetOwnWindow() const { return nullptr; }
    CWnd* m_pOwner = nullptr;
    int m_nID = 0;

private:
    int m_nUpdateDepth = 0;  // on a dialog: the data exchanges under way
};
