#include "QtControlBuilder.h"

#include "QtEditValidator.h"
#include "QtIcon.h"
#include "QtListBox.h"
#include "QtText.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

QWidget* CQtControlBuilder::Create(const ControlTemplate& ct) const
{
    QWidget* pWidget = CreateWidget(ct);
    if (ct.kind != ControlKind::Icon)
        pWidget->setGeometry(m_units.ToPixels(ct.x, ct.y, ct.cx, ct.cy));
    pWidget->setEnabled(!(ct.dwStyle & WS_DISABLED));
    pWidget->setVisible(true);
    pWidget->setProperty("controlID", ct.nID);

    // Only tab stops take the focus from the keyboard; the others that can hold it
    // still take it from a click, as on the original system.
    bool bFocusable = ct.kind != ControlKind::Static && ct.kind != ControlKind::GroupBox && ct.kind != ControlKind::Icon;
    if (!bFocusable)
        pWidget->setFocusPolicy(Qt::NoFocus);
    else
        pWidget->setFocusPolicy((ct.dwStyle & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    return pWidget;
}

QWidget* CQtControlBuilder::CreateWidget(const ControlTemplate& ct) const
{
    const QString strText = AnsiToQString(ct.pszText ? ct.pszText : "");
    switch (ct.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* pButton = new QPushButton(strText, m_pParent);
        // Enter is resolved by the dialog window, not by the button itself.
        pButton->setAutoDefault(false);
        pButton->setDefault(ct.kind == ControlKind::DefPushButton);
        return pButton;
    }
    case ControlKind::AutoCheckBox:
        return new QCheckBox(strText, m_pParent);
    case ControlKind::GroupBox: {
        auto* pGroup = new QGroupBox(strText, m_pParent);
        // Widgets stack in template order, which is the order assistive technology reads
        // them in, so a group box lies over the boxes listed before it: it lets the
        // mouse through to them.
        pGroup->setAttribute(Qt::WA_TransparentForMouseEvents);
        return pGroup;
    }
    case ControlKind::Static:
        return CreateStatic(ct);
    case ControlKind::Icon:
        return CreateIcon(ct);
    case ControlKind::Edit:
        return CreateEdit(ct);
    case ControlKind::ListBox:
        return CreateListBox(ct);
    }
    return new QWidget(m_pParent);
}

QWidget* CQtControlBuilder::CreateEdit(const ControlTemplate& ct) const
{
    auto* pEdit = new QLineEdit(m_pParent);
    pEdit->setMaxLength(std::numeric_limits<int>::max());
    pEdit->setAlignment(((ct.dwStyle & ES_RIGHT) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    // A box that does not scroll stops taking text once it is full. Digit boxes are
    // spared: the forms' byte boxes are too narrow for three digits of this font, and a
    // number that cannot be typed cannot be entered at all, while its range check still
    // rejects one that is too long.
    const bool bDigitsOnly = (ct.dwStyle & ES_NUMBER) != 0;
    const bool bLimitToWidth = !(ct.dwStyle & ES_AUTOHSCROLL) && !bDigitsOnly;
    pEdit->setValidator(new CQtEditValidator(pEdit, ct.dwStyle, bLimitToWidth));
    return pEdit;
}

QWidget* CQtControlBuilder::CreateListBox(const ControlTemplate&) const
{
    return new CQtListBox(m_pParent);
}

QWidget* CQtControlBuilder::CreateStatic(const ControlTemplate& ct) const
{
    auto* pLabel = new QLabel(AnsiToQString(ct.pszText ? ct.pszText : ""), m_pParent);
    // Texts come from the catalogue as well as from the template: never read them as
    // markup.
    pLabel->setTextFormat(Qt::PlainText);
    pLabel->setWordWrap(true);
    pLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return pLabel;
}

QWidget* CQtControlBuilder::CreateIcon(const ControlTemplate& ct) const
{
    auto* pLabel = new QLabel(m_pParent);
    // An icon control takes the size of the icon, whatever the template says.
    pLabel->setGeometry(m_units.ToPixelsX(ct.x), m_units.ToPixelsY(ct.y), kIconSize, kIconSize);
    pLabel->setPixmap(QtIconPixmap(AfxFindIcon(ct.nIconID), kIconSize));
    return pLabel;
}
