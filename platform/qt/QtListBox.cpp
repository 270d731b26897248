#include "QtListBox.h"

#include <QKeyEvent>

CQtListBox::CQtListBox(QWidget* pParent) : QListWidget(pParent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void CQtListBox::keyPressEvent(QKeyEvent* pEvent)
{
    static const int kMoveKeys[] = {Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};
    QListWidget::keyPressEvent(pEvent);
    if (!selectedItems().isEmpty() || !currentItem() || pEvent->modifiers() != Qt::NoModifier)
        return;
    for (int nKey : kMoveKeys) {
        if (pEvent->key() == nKey) {
            currentItem()->setSelected(true);
            return;
        }
    }
}

void CQtListBox::focusInEvent(QFocusEvent* pEvent)
{
    if (m_parked.isValid() && !currentIndex().isValid())
        selectionModel()->setCurrentIndex(m_parked, QItemSelectionModel::NoUpdate);
    m_parked = QPersistentModelIndex();
    QListWidget::focusInEvent(pEvent);
}

void CQtListBox::focusOutEvent(QFocusEvent* pEvent)
{
    QListWidget::focusOutEvent(pEvent);
    // A window losing the activation keeps its focus widget; only a move to another
    // control of the window takes the row away.
    if (!HoldsFocus())
        ParkCurrent();
}

void CQtListBox::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QListWidget::currentChanged(current, previous);
    if (current.isValid() && !HoldsFocus())
        ParkCurrent();
}

bool CQtListBox::HoldsFocus() const
{
    return window()->focusWidget() == this;
}

void CQtListBox::ParkCurrent()
{
    if (!currentIndex().isValid())
        return;
    m_parked = currentIndex();
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}
