#include "Win32TestSupport.h"

#include "ConformanceDlg.h"

#include "Templates.h"

namespace {
const DialogTemplate* FindDialog(UINT nID)
{
    return nID == CConformanceDlg::IDD ? &CConformanceDlg::Template() : FindOrvaneDialog(nID);
}
const ResourceTable g_resources = {&FindDialog, &FindOrvaneIcon};
}  // namespace

void InstallProbeAndAppResources() { AfxSetResources(&g_resources); }
