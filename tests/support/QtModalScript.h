#pragma once

#include "Dialog.h"
#include "QtDialogWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

using QtScript = std::function<void(CQtDialogWindow&)>;

// Ends every modal window still open, innermost first.
inline void EndOpenModals()
{
    for (int nGuard = 0; nGuard < 16; ++nGuard) {
        QWidget* pModal = QApplication::activeModalWidget();
        if (!pModal)
            return;
        if (auto* pDialog = qobject_cast<QDialog*>(pModal))
            pDialog->done(IDCANCEL);
        else
            pModal->hide();
    }
}

// Runs dlg modally. The script runs from the dialog's event loop once the window is open
// and is expected to end it; a guard ends any dialog still open after nTimeoutMs and
// fails the test, so no test can hang in a modal loop. The guard is not a timing check.
inline int RunModalScript(CDialog& dlg, QtScript script, int nTimeoutMs = 5000)
{
    bool bTimedOut = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        bTimedOut = true;
        EndOpenModals();
    });
    guard.start(nTimeoutMs);
    QTimer::singleShot(0, [&dlg, script] {
        auto* pWindow = dynamic_cast<CQtDialogWindow*>(dlg.GetWindow());
        if (!pWindow) {
            ADD_FAILURE() << "the dialog has no Qt window";
            return;
        }
        script(*pWindow);
    });
    const int nResult = dlg.DoModal();
    EXPECT_FALSE(bTimedOut) << "the script left dialog " << dlg.GetTemplateID() << " open";
    return nResult;
}
