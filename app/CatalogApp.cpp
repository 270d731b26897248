#include "app/CatalogApp.h"

#include "app/ChipListDlg.h"
#include "platform/Backend.h"

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
