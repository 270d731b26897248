#include "QtMessageBox.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace {
QMessageBox::StandardButton QtButtonFor(int nAnswer)
{
    switch (nAnswer) {
    case IDYES:
        return QMessageBox::Yes;
    case IDNO:
        return QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}
}  // namespace

CQtMessageBox::CQtMessageBox(const MessageBoxButtons& buttons, const QString& strCaption, const QString& strText,
                             Icon icon, QWidget* pParent)
    : QMessageBox(icon, strCaption, strText, NoButton, pParent), m_buttons(buttons)
{
    setTextFormat(Qt::PlainText);
    for (int nAnswer : m_buttons.answers)
        addButton(QtButtonFor(nAnswer));
    setDefaultButton(QtButtonFor(m_buttons.nDefault));
    if (m_buttons.nEscape)
        setEscapeButton(button(QtButtonFor(m_buttons.nEscape)));
    else
        setWindowFlag(Qt::WindowCloseButtonHint, false);
}

int CQtMessageBox::Ask()
{
    exec();
    for (int nAnswer : m_buttons.answers)
        if (clickedButton() && clickedButton() == button(QtButtonFor(nAnswer)))
            return nAnswer;
    return m_buttons.nEscape ? m_buttons.nEscape : m_buttons.nDefault;
}

void CQtMessageBox::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->key() == Qt::Key_Escape && !m_buttons.nEscape) {
        pEvent->accept();
        return;
    }
    QMessageBox::keyPressEvent(pEvent);
}

void CQtMessageBox::closeEvent(QCloseEvent* pEvent)
{
    if (!m_buttons.nEscape) {
        pEvent->ignore();
        return;
    }
    QMessageBox::closeEvent(pEvent);
}
