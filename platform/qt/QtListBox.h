#pragma once

#include <QListWidget>
#include <QPersistentModelIndex>

// A list box. Like the original control, a move key that lands on the row with the
// caret selects it even when nothing was selected: Home in a fresh list picks the first
// row, where a plain item view would leave it unselected.
//
// Assistive technology takes an item view's current row for a focused object, whether
// or not the view holds the focus. So that only the focused control claims the focus,
// the list keeps no current row while another control of its window holds the focus;
// the row comes back with the focus, selection untouched.
class CQtListBox : public QListWidget {
public:
    explicit CQtListBox(QWidget* pParent);

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void focusInEvent(QFocusEvent* pEvent) override;
    void focusOutEvent(QFocusEvent* pEvent) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    bool HoldsFocus() const;
    void ParkCurrent();

    QPersistentModelIndex m_parked;
};
