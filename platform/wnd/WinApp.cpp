#include "WinApp.h"

#include "Archive.h"
#include "Backend.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {
CWinApp* g_pApp = nullptr;
bool g_bExitAfterShow = false;

// The executable's file name without directory and extension.
CString ExecutableTitle(const char* pszPath)
{
    std::string name = pszPath ? pszPath : "";
    const std::size_t nSlash = name.find_last_of("/\\");
    if (nSlash != std::string::npos)
        name.erase(0, nSlash + 1);
    const std::size_t nDot = name.find_last_of('.');
    if (nDot != std::string::npos && nDot > 0)
        name.erase(nDot);
    return CString(name);
}

CString AppTitle()
{
    if (g_pApp && !g_pApp->m_strAppTitle.IsEmpty())
        return g_pApp->m_strAppTitle;
#ifdef _WIN32
    // The C runtime's copy of the executable's path, in the ANSI code page.
    return ExecutableTitle(_pgmptr);
#else
    return ExecutableTitle(program_invocation_short_name);
#endif
}
}  // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CWinApp::CWinApp(const char* pszAppName) : m_strAppTitle(pszAppName)
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

CWinApp* AfxGetApp() { return g_pApp; }

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

void CWinApp::ProcessWndProcException(const std::exception& e)
{
    AfxMessageBox(AfxExceptionMessage(e), MB_OK | MB_ICONEXCLAMATION);
}

void CWinApp::OnHelp()
{
    if (!m_strHelpText.IsEmpty())
        AfxMessageBox(m_strHelpText, MB_OK);
}

void AfxSetExitAfterShow(bool bExit) { g_bExitAfterShow = bExit; }

bool AfxTakeExitAfterShow()
{
    const bool bExit = g_bExitAfterShow;
    g_bExitAfterShow = false;
    return bExit;
}

int AfxMessageBox(const CDisplayText& strText, UINT nType)
{
    IWindowBackend* pBackend = AfxGetBackend();
    if (!pBackend) {
        std::fprintf(stderr, "%s: %s\n", AppTitle().GetString(), strText.Utf8().c_str());
        return (nType & MB_YESNO) ? IDNO : IDOK;
    }
    return pBackend->MessageBox(strText, AppTitle(), nType | MB_ICONEXCLAMATION);
}

CDisplayText AfxExceptionMessage(const std::exception& e)
{
    // An archive's file name is a path, which is UTF-8.
    if (const auto* pArchive = dynamic_cast<const CArchiveException*>(&e))
        return CDisplayText::FromUtf8(pArchive->GetErrorMessage().Str());
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return "Out of memory.";
    return CString(e.what());
}

int AfxWinMain(int argc, char** argv, IWindowBackend& backend)
{
    CWinApp* pApp = AfxGetApp();
    if (!pApp)
        return 1;
#ifdef _WIN32
    // argv[0] is only what was typed; the title is the module's own file name.
    (void)argc;
    (void)argv;
    if (pApp->m_strAppTitle.IsEmpty())
        pApp->m_strAppTitle = ExecutableTitle(_pgmptr);
#else
    if (pApp->m_strAppTitle.IsEmpty() && argc > 0)
        pApp->m_strAppTitle = ExecutableTitle(argv[0]);
#endif
    const char* pszExit = std::getenv("ORVANE_EXIT_AFTER_SHOW");
    if (pszExit && std::strcmp(pszExit, "1") == 0)
        AfxSetExitAfterShow(true);
    IWindowBackend* pPrevious = AfxGetBackend();
    AfxSetBackend(&backend);
    pApp->InitInstance();
    const int nCode = pApp->ExitInstance();
    AfxSetBackend(pPrevious);
    return nCode;
}
