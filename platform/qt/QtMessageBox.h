#pragma once

#include "MessageBoxButtons.h"

#include <QMessageBox>

// A message box with the buttons and keys the framework gives it. Where the framework's
// box has no way out but its buttons (a yes/no question), Esc and the close box do
// nothing, where Qt would take them as No.
class CQtMessageBox : public QMessageBox {
public:
    CQtMessageBox(const MessageBoxButtons& buttons, const QString& strCaption, const QString& strText,
                  Icon icon, QWidget* pParent);

    // Shows the box until a button ends it; returns its answer (IDOK, IDYES, IDNO).
    int Ask();

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;

private:
    MessageBoxButtons m_buttons;
};
