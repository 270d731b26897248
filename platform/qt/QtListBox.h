#pragma once

#include <QListWidget>

// A list box. Like the original control, a move key that lands on the row with the
// caret selects it even when nothing was selected: Home in a fresh list picks the first
// row, where a plain item view would leave it unselected.
class CQtListBox : public QListWidget {
public:
    explicit CQtListBox(QWidget* pParent);

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
};
