#include "NativeAccessibility.h"

#include "NativeFile.h"

#include <windows.h>
// Defined here as the backend defines them, rather than taken from oleacc's library.
#include <initguid.h>
#include <oleacc.h>

namespace {
std::string Take(BSTR bstr)
{
    const std::string str = bstr ? CNativeFile::Ansi(bstr) : std::string();
    ::SysFreeString(bstr);
    return str;
}
}  // namespace

NativeAccessibility::Reading NativeAccessibility::Read(HWND__* hDialog, int nID)
{
    Reading reading;
    IAccessible* pAccessible = nullptr;
    HWND hItem = ::GetDlgItem(hDialog, nID);
    if (!hItem || FAILED(::AccessibleObjectFromWindow(hItem, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                                      reinterpret_cast<void**>(&pAccessible))))
        return reading;
    reading.bFound = true;
    VARIANT self;
    ::VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR bstr = nullptr;
    if (pAccessible->get_accName(self, &bstr) == S_OK)
        reading.strName = Take(bstr);
    bstr = nullptr;
    if (pAccessible->get_accDescription(self, &bstr) == S_OK)
        reading.strDescription = Take(bstr);
    pAccessible->Release();
    return reading;
}
