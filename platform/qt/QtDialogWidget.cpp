#include "QtDialogWidget.h"

#include "Backend.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QTimer>

CQtDialogWidget::CQtDialogWidget(QWidget* pParent, std::function<void(int)> onCommand,
                                 std::function<void()> onEnter)
    : QDialog(pParent), m_onCommand(std::move(onCommand)), m_onEnter(std::move(onEnter))
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
        m_onEnter();
        break;
    case Qt::Key_Escape:
        m_onCommand(IDCANCEL);
        break;
    case Qt::Key_F1:
        m_onCommand(static_cast<int>(ID_HELP));
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
    m_onCommand(IDCANCEL);
}

void CQtDialogWidget::reject() { m_onCommand(IDCANCEL); }

void CQtDialogWidget::paintEvent(QPaintEvent* pEvent)
{
    QDialog::paintEvent(pEvent);
    if (m_afterFirstPaint) {
        QTimer::singleShot(0, this, std::move(m_afterFirstPaint));
        m_afterFirstPaint = nullptr;
    }
}
