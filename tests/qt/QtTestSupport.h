#pragma once

#include "Dialog.h"
#include "QtBackend.h"
#include "QtDialogWindow.h"

#include "support/QtModalScript.h"
#include "support/WorkDirFixture.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QString>

#include <functional>
#include <string>
#include <vector>

class QDialog;
class QMessageBox;
class QWidget;

// Qt tests run on the offscreen platform inside one QApplication, made by a test
// environment before the first test. Each test gets a fresh Qt backend as the current
// backend, the application's resources and an empty working directory.
class QtDialogTest : public WorkDirFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<IWindowBackend> m_pBackend = CreateQtBackend();
};

// Runs fn on the next modal window that bMatch accepts, polled from the event loop; fn
// must end that window. A window that never comes fails the test.
void OnNextModal(std::function<bool(QWidget*)> bMatch, std::function<void(QWidget&)> fn, int nTimeoutMs = 3000);
void OnNextMessageBox(std::function<void(QMessageBox&)> fn);
// The next dialog whose caption is strCaption.
void OnNextDialog(const QString& strCaption, std::function<void(QDialog&)> fn);

// Presses a key on the widget that has the focus in the dialog, as the user would.
void PressKey(CQtDialogWindow& wnd, int nKey);
// Types text into the widget one character at a time, as keystrokes.
void TypeKeys(QWidget* pWidget, const QString& strText);

// Writes ./Progr.ini with one I2C entry per name, in the order given.
void WriteCatalog(const std::vector<CString>& names);
// The entry names ./Progr.ini holds, in file order.
std::vector<CString> CatalogNames();
