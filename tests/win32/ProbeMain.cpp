#include "ConformanceDlg.h"
#include "Win32Backend.h"
#include "Win32TestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

// A dialog to look at and drive by hand or with xdotool. Without arguments it opens the
// probe dialog and prints every notification that reaches its handlers, then the end
// code and the fields; with --template ID it opens that template of the application.
int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const std::unique_ptr<IWindowBackend> pBackend = CreateWin32Backend();
    AfxSetBackend(pBackend.get());
    InstallProbeAndAppResources();
    if (argc == 3 && std::strcmp(argv[1], "--template") == 0) {
        CDialog dlg(static_cast<UINT>(std::atoi(argv[2])));
        std::printf("result %d\n", dlg.DoModal());
        return 0;
    }
    CConformanceDlg dlg;
    dlg.m_fnLog = [](int nID, int nCode) { std::printf("notify %d %d\n", nID, nCode); };
    const int nResult = dlg.DoModal();
    std::printf("result %d\n", nResult);
    std::printf("text %s\nnumber %d\nflag %d\n", dlg.m_strName.GetString(), dlg.m_nDigits, dlg.m_bFlag);
    return 0;
}
