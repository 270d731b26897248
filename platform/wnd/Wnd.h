#pragma once

#include "Backend.h"
#include "CmdTarget.h"
#include "String.h"

class CDataExchange;
class CDialog;

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
    void CheckDlgButton(int nID, UINT nCheck);
    UINT IsDlgButtonChecked(int nID) const;
    void EnableDlgItem(int nID, BOOL bEnable);
    void SetIcon(HICON hIcon, BOOL bBigIcon);
    // A dialog's title, or a control's text.
    void SetWindowText(const CString& strText);

    // The dialog this window is or belongs to, and its control ID (0 for a dialog).
    CDialog* GetOwnerDialog() const { return m_pDialog; }
    int GetDlgCtrlID() const { return m_nID; }
    // The backend window while the dialog is open, else null.
    IDialogWindow* GetBackendWindow() const;
    bool IsUpdatingData() const;

protected:
    friend class CDataExchange;
    void AttachToControl(CDialog* pDialog, int nID) { m_pDialog = pDialog; m_nID = nID; }
    CDialog* m_pDialog = nullptr;
    int m_nID = 0;
};
