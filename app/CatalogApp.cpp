#include "CatalogApp.h"

#include "Backend.h"
#include "CatalogPlace.h"
#include "CatalogFile.h"
#include "ChipListDlg.h"
#include "VirtualStore.h"

namespace {
// The chip list window as the main window: its title names the catalogue when the program
// was started on one, so that two windows on two catalogues can be told apart.
class CMainWindowDlg : public CChipListDlg {
public:
    explicit CMainWindowDlg(const CString& strShownPath) : m_strShownPath(strShownPath) {}

protected:
    BOOL OnInitDialog() override
    {
        const BOOL bFocusFirst = CChipListDlg::OnInitDialog();
        if (!m_strShownPath.IsEmpty())
            SetWindowText("Orvane - " + m_strShownPath);
        return bFocusFirst;
    }

private:
    CString m_strShownPath;
};
}  // namespace

BEGIN_MESSAGE_MAP(CCatalogApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

BOOL CCatalogApp::InitInstance()
{
    Enable3dControls();
    if (m_bAskForCatalog && !AskForCatalog())
        return FALSE;
    UseVirtualStoreCopy();
    CMainWindowDlg dlg(m_strShownPath);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

// Where Windows shows the programmer's own software a VirtualStore copy of the catalogue,
// that copy is the one edited, and the title says so.
void CCatalogApp::UseVirtualStoreCopy()
{
    const std::string strCopy = CVirtualStore::ExistingCopyOf(CCatalogFile::EditorFile());
    if (strCopy.empty())
        return;
    CCatalogFile::SetEditorFile(strCopy.c_str());
    m_strShownPath = CString(strCopy + " (the VirtualStore copy the programmer reads)");
}

// Asks until the user picks a catalogue that can be worked on, or cancels. A choice that
// cannot be used is explained and the question asked again.
bool CCatalogApp::AskForCatalog()
{
    IWindowBackend* pBackend = AfxGetBackend();
    CString strPath;
    while (pBackend && pBackend->PromptForCatalog(strPath)) {
        CCatalogPlace place;
        CString strError;
        if (CCatalogPlace::Resolve(strPath, place, strError) && place.Enter(strError)) {
            m_strShownPath = place.DisplayPath();
            return true;
        }
        AfxMessageBox(strError);
    }
    return false;
}
