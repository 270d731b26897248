#include "QtDialogWidget.h"

#include "Backend.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>

CQtDialogWidget::CQtDialogWidget(QWidget* pParent, std::function<void(DialogKey)> onKey)
    : QDialog(pParent), m_onKey(std::move(onKey))
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setSizeGripEnabled(false);
}

void CQtDialogWidget::keyPressEvent(QKeyEvent* pEvent)
{
    const Qt::KeyboardModifiers mods = pEvent->modifiers() & ~Qt::KeypadModifier;
    if (mods != Qt::NoModifier) {
        QDialog::keyPressEvent(pEvent);
        return;
    }
    switch (pEvent->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_onKey(DialogKey::Enter);
        break;
    case Qt::Key_Escape:
        m_onKey(DialogKey::Escape);
        break;
    case Qt::Key_F1:
        m_onKey(DialogKey::Help);
        break;
    default:
        QDialog::keyPressEvent(pEvent);
        return;
    }
    pEvent->accept();
}

void CQtDialogWidget::closeEvent(QCloseEvent* pEvent)
{
    // The dialog object decides whether the window ends; hiding it here would leave the
    // framework's modal state behind.
    pEvent->ignore();
    m_onKey(DialogKey::CloseBox);
}

void CQtDialogWidget::reject() { m_onKey(DialogKey::Escape); }

bool CQtDialogWidget::focusNextPrevChild(bool bNext)
{
    m_onKey(bNext ? DialogKey::Tab : DialogKey::ShiftTab);
    return true;
}

void CQtDialogWidget::paintEvent(QPaintEvent* pEvent)
{
    QDialog::paintEvent(pEvent);
    if (m_afterFirstPaint) {
        QTimer::singleShot(0, this, std::move(m_afterFirstPaint));
        m_afterFirstPaint = nullptr;
    }
}
