#include "CatalogApp.h"

#include "Backend.h"
#include "ChipListDlg.h"

BEGIN_MESSAGE_MAP(CCatalogApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

BOOL CCatalogApp::InitInstance()
{
    Enable3dControls();
    CChipListDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
