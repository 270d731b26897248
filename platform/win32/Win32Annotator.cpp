#include "Win32Annotator.h"

#include <windows.h>
// The annotation service's GUIDs are defined here, so no GUID library need be linked.
#include <initguid.h>
#include <oleacc.h>

bool CWin32Annotator::Apply(HWND__* hDialog, const std::vector<Win32Annotation>& annotations)
{
    if (annotations.empty())
        return true;
    const HRESULT hrInit = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccPropServices* pServices = nullptr;
    bool bAllTaken = false;
    if (SUCCEEDED(::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                     reinterpret_cast<void**>(&pServices)))) {
        bAllTaken = true;
        for (const Win32Annotation& a : annotations) {
            HWND hItem = ::GetDlgItem(hDialog, a.nID);
            const MSAAPROPID& prop = a.bDescription ? PROPID_ACC_DESCRIPTION : PROPID_ACC_NAME;
            if (!hItem || FAILED(pServices->SetHwndPropStr(hItem, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, prop,
                                                           a.strText.c_str())))
                bAllTaken = false;
        }
        pServices->Release();
    }
    // The annotations stay with the windows; COM is needed only while they are set.
    if (SUCCEEDED(hrInit))
        ::CoUninitialize();
    return bAllTaken;
}
