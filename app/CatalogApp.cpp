#include "CatalogApp.h"

#include "CatalogPlace.h"
#include "ChipListDlg.h"

BEGIN_MESSAGE_MAP(CCatalogApp, CWinApp)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CCatalogApp::CCatalogApp() : CWinApp(nullptr) {}

CDisplayText CCatalogApp::HelpText(const CEditedFile& file)
{
    const CDisplayText strShownPath = file.ShownPath();
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
    m_file.UseVirtualStoreCopy();
    m_strHelpText = HelpText(m_file);
    CChipListDlg dlg;
    dlg.m_file = m_file;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

int CCatalogApp::ExitInstance()
{
    return m_bRefused ? 1 : CWinApp::ExitInstance();
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
        if (CCatalogPlace::Resolve(strPath, place, strError) && place.Enter(m_file, strError))
            return true;
        AfxMessageBox(CDisplayText::FromUtf8(strError.Str()));
    }
    return false;
}
