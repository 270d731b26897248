#include "QtAccessibility.h"

#include "AccessibleNames.h"
#include "QtText.h"

#include <QLabel>

void CQtAccessibility::Expose(const DialogTemplate& tmpl, const std::function<QWidget*(std::size_t)>& widgetAt)
{
    const std::vector<AccessibleName> names = CAccessibleNames::Compute(tmpl);
    for (std::size_t i = 0; i < names.size(); ++i) {
        QWidget* pWidget = widgetAt(i);
        const AccessibleName& name = names[i];
        if (!pWidget)
            continue;
        // A label's buddy is what Qt reports as labelled by that label; it also gives
        // an edit box its label's text as name.
        if (name.nCaption >= 0)
            if (auto* pCaption = qobject_cast<QLabel*>(widgetAt(static_cast<std::size_t>(name.nCaption))))
                pCaption->setBuddy(pWidget);
        // Edit boxes and lists have no text of their own to be named by.
        const ControlKind kind = tmpl.controls[i].kind;
        if ((kind == ControlKind::Edit || kind == ControlKind::ListBox) && !name.strName.IsEmpty())
            pWidget->setAccessibleName(AnsiToQString(name.strName));
        if (!name.strDescription.IsEmpty())
            pWidget->setAccessibleDescription(AnsiToQString(name.strDescription));
    }
}
