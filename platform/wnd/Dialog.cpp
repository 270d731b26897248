#include "Dialog.h"

#include "DataExchange.h"
#include "DialogManager.h"
#include "WinApp.h"

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
    m_pOwner = this;
}

CDialog::~CDialog() = default;

int CDialog::DoModal()
{
    const DialogTemplate* pTemplate = AfxFindDialogTemplate(m_nIDTemplate);
    IWindowBackend* pBackend = AfxGetBackend();
    if (!pTemplate || !pBackend || m_pWindow)
        return -1;
    // A dialog without a parent belongs to the main window, as the framework arranges.
    CWnd* pOwner = m_pParentWnd;
    if (!pOwner && AfxGetApp())
        pOwner = AfxGetApp()->m_pMainWnd;
    CDialogWindow* pOwnerWindow = pOwner && pOwner != this ? pOwner->GetBackendWindow() : nullptr;

    m_pTemplate = pTemplate;
    m_pWindow = pBackend->CreateDialogWindow(*pTemplate, *this, pOwnerWindow);
    const int nResult = m_pWindow->RunModal();
    m_pWindow.reset();
    m_pTemplate = nullptr;
    return nResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_pWindow)
        m_pWindow->EndModal(nResult);
}

void CDialog::GotoDlgCtrl(int nID)
{
    if (m_pWindow)
        m_pWindow->SetFocusTo(nID);
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

template <class F> void CDialog::Guard(F&& f)
{
    try {
        f();
    } catch (const CUserException&) {
        // The prompt has been shown already.
    } catch (const std::exception& e) {
        if (CWinApp* pApp = AfxGetApp())
            pApp->ProcessWndProcException(e);
        else
            AfxMessageBox(AfxExceptionMessage(e), MB_OK | MB_ICONEXCLAMATION);
    }
}

void CDialog::SiteInitDialog()
{
    BOOL bFocusFirst = TRUE;
    Guard([&] { bFocusFirst = OnInitDialog(); });
    if (bFocusFirst && m_pWindow)
        CDialogManager(*m_pTemplate, *m_pWindow).FocusFirstTabStop();
}

void CDialog::SiteCommand(int nID, int nCode)
{
    if (IsUpdatingData())
        return;
    Guard([&] {
        if (OnCmdMsg(static_cast<UINT>(nID), nCode) || nCode != BN_CLICKED)
            return;
        if (nID == IDOK)
            OnOK();
        else if (nID == IDCANCEL)
            OnCancel();
        else if (nID == static_cast<int>(ID_HELP) && AfxGetApp())
            AfxGetApp()->OnCmdMsg(ID_HELP, BN_CLICKED);
    });
}

void CDialog::SiteKey(DialogKey key)
{
    if (!m_pWindow)
        return;
    CDialogManager manager(*m_pTemplate, *m_pWindow);
    if (key == DialogKey::Tab || key == DialogKey::ShiftTab) {
        manager.MoveFocus(key == DialogKey::Tab);
        return;
    }
    if (const int nCommand = manager.CommandForKey(key))
        SiteCommand(nCommand, BN_CLICKED);
}

void CDialog::SiteShown()
{
    if (AfxTakeExitAfterShow())
        SiteCommand(IDCANCEL, BN_CLICKED);
}
