#include "Win32Accessibility.h"

#include "AccessibleNames.h"
#include "Win32Text.h"

namespace {
bool IsNamedByWindows(const DialogTemplate& tmpl, std::size_t nIndex, const AccessibleName& name)
{
    const ControlKind kind = tmpl.controls[nIndex].kind;
    if (kind != ControlKind::Edit && kind != ControlKind::ListBox)
        return true;  // by its own text
    return name.nCaption >= 0 && static_cast<std::size_t>(name.nCaption) + 1 == nIndex;
}
}  // namespace

std::vector<Win32Annotation> CWin32Accessibility::Annotations(const DialogTemplate& tmpl)
{
    std::vector<Win32Annotation> annotations;
    const std::vector<AccessibleName> names = CAccessibleNames::Compute(tmpl);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const int nID = tmpl.controls[i].nID;
        if (nID == -1)
            continue;
        if (!names[i].strName.IsEmpty() && !IsNamedByWindows(tmpl, i, names[i]))
            annotations.push_back({nID, false, CWin32Text::Wide(names[i].strName.Str())});
        if (!names[i].strDescription.IsEmpty())
            annotations.push_back({nID, true, CWin32Text::Wide(names[i].strDescription.Str())});
    }
    return annotations;
}

bool CWin32Accessibility::Annotate(const DialogTemplate& tmpl, HWND__* hDialog)
{
    return CWin32Annotator::Apply(hDialog, Annotations(tmpl));
}
