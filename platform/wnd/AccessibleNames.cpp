#include "AccessibleNames.h"

#include <climits>

namespace {
bool Overlap(int nStartA, int nSizeA, int nStartB, int nSizeB)
{
    return nStartA < nStartB + nSizeB && nStartB < nStartA + nSizeA;
}

bool Inside(const ControlTemplate& inner, const ControlTemplate& outer)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.cx <= outer.x + outer.cx &&
           inner.y + inner.cy <= outer.y + outer.cy;
}

// The distance from a caption to the control it may label, or -1 where it stands
// neither to the left on the same row nor above in the same column.
int CaptionGap(const ControlTemplate& caption, const ControlTemplate& ct)
{
    if (Overlap(caption.y, caption.cy, ct.y, ct.cy) && caption.x + caption.cx <= ct.x)
        return ct.x - (caption.x + caption.cx);
    if (Overlap(caption.x, caption.cx, ct.x, ct.cx) && caption.y + caption.cy <= ct.y)
        return ct.y - (caption.y + caption.cy);
    return -1;
}
}  // namespace

std::vector<AccessibleName> CAccessibleNames::Compute(const DialogTemplate& tmpl)
{
    std::vector<AccessibleName> names(tmpl.controls.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const ControlTemplate& ct = tmpl.controls[i];
        AccessibleName& name = names[i];
        if (ct.kind == ControlKind::Edit || IsShownValue(ct))
            name.nCaption = FindCaption(tmpl, ct);
        const char* pszCaption = name.nCaption >= 0 ? tmpl.controls[static_cast<std::size_t>(name.nCaption)].pszText : nullptr;
        if (const char* pszListed = FindListedName(tmpl, ct.nID))
            name.strName = pszListed;
        else if (ct.kind == ControlKind::Edit && pszCaption)
            name.strName = pszCaption;
        else if (!IsShownValue(ct) && ct.pszText)
            name.strName = ct.pszText;
        if (const ControlTemplate* pGroup = FindGroup(tmpl, ct))
            name.strDescription = pGroup->pszText;
        else if (IsShownValue(ct) && pszCaption)
            name.strDescription = pszCaption;
    }
    return names;
}

bool CAccessibleNames::IsCaption(const ControlTemplate& ct)
{
    return ct.kind == ControlKind::Static && ct.pszText && *ct.pszText;
}

bool CAccessibleNames::IsShownValue(const ControlTemplate& ct)
{
    return ct.kind == ControlKind::Static && ct.nID != -1 && !(ct.pszText && *ct.pszText);
}

int CAccessibleNames::FindCaption(const DialogTemplate& tmpl, const ControlTemplate& ct)
{
    int nBest = -1, nBestGap = INT_MAX;
    for (std::size_t i = 0; i < tmpl.controls.size(); ++i) {
        const ControlTemplate& caption = tmpl.controls[i];
        const int nGap = IsCaption(caption) ? CaptionGap(caption, ct) : -1;
        if (nGap >= 0 && nGap < nBestGap) {
            nBest = static_cast<int>(i);
            nBestGap = nGap;
        }
    }
    return nBest;
}

const ControlTemplate* CAccessibleNames::FindGroup(const DialogTemplate& tmpl, const ControlTemplate& ct)
{
    for (const ControlTemplate& group : tmpl.controls)
        if (group.kind == ControlKind::GroupBox && &group != &ct && group.pszText && Inside(ct, group))
            return &group;
    return nullptr;
}

const char* CAccessibleNames::FindListedName(const DialogTemplate& tmpl, int nID)
{
    for (const ControlName& listed : tmpl.names)
        if (listed.nID == nID && nID != -1)
            return listed.pszName;
    return nullptr;
}
