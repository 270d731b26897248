#pragma once

#include "DialogTemplate.h"
#include "DialogUnits.h"

class QWidget;

// Makes the widget for one template control: its kind, text, place converted from
// dialog units, styles and focus policy. Signals are wired by the dialog window.
class CQtControlBuilder {
public:
    CQtControlBuilder(QWidget* pParent, const CDialogUnits& units) : m_pParent(pParent), m_units(units) {}

    QWidget* Create(const ControlTemplate& ct) const;
    // The side of the picture an icon control shows, in pixels (the system's icon size).
    static constexpr int kIconSize = 32;

private:
    QWidget* CreateWidget(const ControlTemplate& ct) const;
    QWidget* CreateEdit(const ControlTemplate& ct) const;
    QWidget* CreateListBox(const ControlTemplate& ct) const;
    QWidget* CreateStatic(const ControlTemplate& ct) const;
    QWidget* CreateIcon(const ControlTemplate& ct) const;

    QWidget* m_pParent;
    CDialogUnits m_units;
};
