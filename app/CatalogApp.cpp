#include "CatalogApp.h"

#include "CatalogPlace.h"
#include "CatalogFile.h"
#include "ChipListDlg.h"
#include "VirtualStore.h"

namespace {
// The chip list window as the main window: its title names the catalogue when the program
// was started on one, so that two windows on two catalogues can be told apart.
class CMainWindowDlg : public CChipListDlg {
public:
    explicit CMainWindowDlg(const CDisplayText& strShownPath) : m_strShownPath(strShownPath) {}

protected:
    BOOL OnInitDialog() override
    {
        const BOOL bFocusFirst = CChipListDlg::OnInitDialog();
        if (!m_strShownPath.IsEmpty())
            SetWindowText("Orvane - " + m_strShownPath);
        return bFocusFirst;
    }

private:
    CDisplayText m_strShownPath;
};
}  // namespace

BEGIN_MESSAGE_MAP(CCatalogApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CCatalogApp::CCatalogApp() : CWinApp(nullptr) {}

// The catalogue is named as the main window's title names it.
CDisplayText CCatalogApp::HelpText(const CDisplayText& strShownPath)
{
    const CDisplayText strCatalog =
        strShownPath.IsEmpty() ? CDisplayText("Progr.ini in the folder it was started in") : strShownPath;
    return CDisplayText("This program edits the chip catalogue ") + strCatalog +
           ".\n\n"
           "Add New asks for a chip type and opens its setup form; Edit chip opens the form of the selected "
           "chip; Delete Chip removes it; Edit Type in Select Type renames a type. Changes are saved to the "
           "catalogue when a setup form or Select Type is closed with OK, and when Delete Chip is confirmed; "
           "Cancel saves nothing.";
}

// Progr.ini is offered, so that Open in a folder without a catalogue starts one there.
OpenFileRequest CCatalogApp::CatalogRequest()
{
    return {"Open a chip catalogue", "Progr.ini", {{"Chip catalogues", "*.ini"}, {"All files", "*"}}};
}

BOOL CCatalogApp::InitInstance()
{
    Enable3dControls();
    const std::string strRefusal = CodePageRefusal(m_nCodePage);
    if (!strRefusal.empty()) {
        AfxMessageBox(CString("This system's " + strRefusal + "."));
        m_bRefused = true;
        return FALSE;
    }
    if (m_bAskForCatalog && !AskForCatalog())
        return FALSE;
    UseVirtualStoreCopy();
    m_strHelpText = HelpText(m_strShownPath);
    CMainWindowDlg dlg(m_strShownPath);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

int CCatalogApp::ExitInstance()
{
    return m_bRefused ? 1 : CWinApp::ExitInstance();
}

// Where Windows shows the programmer's own software a VirtualStore copy of the catalogue,
// that copy is the one edited, and the title says so.
void CCatalogApp::UseVirtualStoreCopy()
{
    const std::string strCopy = CVirtualStore::ExistingCopyOf(CCatalogFile::EditorFile());
    if (strCopy.empty())
        return;
    CCatalogFile::SetEditorFile(strCopy.c_str());
    m_strShownPath = CDisplayText::FromUtf8(strCopy + " (the VirtualStore copy the programmer reads)");
}

// Asks until the user picks a catalogue that can be worked on, or cancels. A choice that
// cannot be used is explained and the question asked again.
bool CCatalogApp::AskForCatalog()
{
    IWindowBackend* pBackend = AfxGetBackend();
    const OpenFileRequest request = CatalogRequest();
    CString strPath;
    while (pBackend && pBackend->PromptForFile(request, strPath)) {
        CCatalogPlace place;
        CString strError;
        if (CCatalogPlace::Resolve(strPath, place, strError) && place.Enter(strError)) {
            m_strShownPath = place.DisplayPath();
            return true;
        }
        AfxMessageBox(CDisplayText::FromUtf8(strError.Str()));
    }
    return false;
}
