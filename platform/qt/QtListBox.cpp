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
