#include "DialogTemplate.h"

const DWORD g_afxPalette16[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

namespace {
const ResourceTable* g_pResources = nullptr;
}

std::vector<int> IconImage::PaletteIndexes() const
{
    std::vector<int> indexes(static_cast<std::size_t>(cx) * static_cast<std::size_t>(cy), -1);
    for (std::size_t i = 0; pszPixels && i < indexes.size() && pszPixels[i]; ++i) {
        const char ch = pszPixels[i];
        if (ch >= '0' && ch <= '9')
            indexes[i] = ch - '0';
        else if (ch >= 'a' && ch <= 'f')
            indexes[i] = ch - 'a' + 10;
    }
    return indexes;
}

const ControlTemplate* DialogTemplate::FindControl(int nControlID) const
{
    for (const ControlTemplate& c : controls)
        if (c.nID == nControlID && nControlID != -1)
            return &c;
    return nullptr;
}

void AfxSetResources(const ResourceTable* pTable) { g_pResources = pTable; }

const DialogTemplate* AfxFindDialogTemplate(UINT nID)
{
    return g_pResources && g_pResources->pfnFindDialog ? g_pResources->pfnFindDialog(nID) : nullptr;
}

const IconResource* AfxFindIcon(UINT nID)
{
    return g_pResources && g_pResources->pfnFindIcon ? g_pResources->pfnFindIcon(nID) : nullptr;
}
