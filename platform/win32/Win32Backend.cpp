#include "Win32Backend.h"

#include "Win32DialogWindow.h"
#include "Win32Module.h"
#include "Win32Text.h"
#include "WinApp.h"

#include <string>
#include <vector>

std::unique_ptr<IDialogWindow> CWin32Backend::CreateDialogWindow(const DialogTemplate& tmpl, IDialogSite& site,
                                                                 IDialogWindow* pOwner)
{
    // A dialog without an owner still belongs to the one open last, so that the one
    // behind it takes no input while it runs.
    auto* pOwnerWindow = dynamic_cast<CWin32DialogWindow*>(pOwner);
    HWND__* hOwner = pOwnerWindow && pOwnerWindow->Handle() ? pOwnerWindow->Handle() : CWin32Dialog::TopDialog();
    return std::make_unique<CWin32DialogWindow>(tmpl, site, hOwner);
}

int CWin32Backend::MessageBox(const CString& strText, const CString& strCaption, UINT nType)
{
    const int nAnswer = CWin32Dialog::ShowMessageBox(CWin32Dialog::TopDialog(), CWin32Text::AnsiToWide(strText.Str()),
                                                     CWin32Text::AnsiToWide(strCaption.Str()), nType);
    if ((nType & 0x0F) != MB_YESNO)
        return IDOK;
    return nAnswer == IDYES ? IDYES : IDNO;
}

int RunWin32Application(int argc, char** argv)
{
    // argv[0] may carry a directory with backslashes and the ".exe"; the program's name
    // is the module's file name alone.
    std::string strName = CWin32Module::FileTitle();
    std::vector<char*> args(argv, argv + argc);
    if (args.empty())
        args.push_back(nullptr);
    args[0] = strName.data();
    CWin32Backend backend;
    return AfxWinMain(static_cast<int>(args.size()), args.data(), backend);
}
