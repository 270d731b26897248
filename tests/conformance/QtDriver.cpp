#include "ConformanceTest.h"
#include "QtBackend.h"
#include "QtDialogWindow.h"
#include "QtText.h"

#include "support/QtModalScript.h"
#include "support/QtTestEnvironment.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdlib>

namespace {
::testing::Environment* const g_pQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtTestEnvironment);

// A guard ends a modal loop a script failed to end; it is not a timing check.
constexpr int kGuardMs = 5000;

QMessageBox::StandardButton ButtonFor(int nAnswer)
{
    return nAnswer == IDYES ? QMessageBox::Yes : nAnswer == IDNO ? QMessageBox::No : QMessageBox::Ok;
}

// Keys as the window system delivers them: to the widget with the focus.
void SendKey(QWidget* pWindow, DialogKey key)
{
    QWidget* pTarget = pWindow->focusWidget() ? pWindow->focusWidget() : pWindow;
    switch (key) {
    case DialogKey::Enter:
        QTest::keyClick(pTarget, Qt::Key_Return);
        break;
    case DialogKey::Escape:
        QTest::keyClick(pTarget, Qt::Key_Escape);
        break;
    case DialogKey::Tab:
        QTest::keyClick(pTarget, Qt::Key_Tab);
        break;
    case DialogKey::ShiftTab:
        QTest::keyClick(pTarget, Qt::Key_Backtab, Qt::ShiftModifier);
        break;
    case DialogKey::Help:
        QTest::keyClick(pTarget, Qt::Key_F1);
        break;
    case DialogKey::CloseBox:
        pWindow->close();
        break;
    }
}

class CQtDriverWindow : public IDriverWindow {
public:
    explicit CQtDriverWindow(CQtDialogWindow& wnd) : m_wnd(wnd) {}

    void Press(DialogKey key) override { SendKey(m_wnd.Widget(), key); }
    void Click(int nID) override { QTest::mouseClick(m_wnd.ControlWidget(nID), Qt::LeftButton); }
    void TypeKeys(int nID, const char* pszKeys) override
    {
        auto* pEdit = qobject_cast<QLineEdit*>(m_wnd.ControlWidget(nID));
        ASSERT_NE(pEdit, nullptr);
        pEdit->setFocus(Qt::MouseFocusReason);
        pEdit->end(false);
        for (const char* p = pszKeys; *p; ++p) {
            const QChar ch = QChar::fromLatin1(*p);
            const Qt::Key key = ch == ' ' ? Qt::Key_Space : static_cast<Qt::Key>(ch.toUpper().unicode());
            QTest::sendKeyEvent(QTest::Click, pEdit, key, QString(ch), Qt::NoModifier);
        }
    }
    int Focus() const override { return m_wnd.GetFocus(); }
    std::pair<int, int> Selection(int nID) const override
    {
        const auto* pEdit = qobject_cast<const QLineEdit*>(m_wnd.ControlWidget(nID));
        if (!pEdit)
            return {0, 0};
        if (!pEdit->hasSelectedText())
            return {pEdit->cursorPosition(), pEdit->cursorPosition()};
        return {pEdit->selectionStart(), pEdit->selectionEnd()};
    }
    CString Text(int nID) const override
    {
        const auto* pEdit = qobject_cast<const QLineEdit*>(m_wnd.ControlWidget(nID));
        return pEdit ? QStringToAnsi(pEdit->text()) : m_wnd.GetText(nID);
    }
    std::vector<CString> Rows(int nID) const override
    {
        std::vector<CString> rows;
        if (const auto* pList = qobject_cast<const QListWidget*>(m_wnd.ControlWidget(nID)))
            for (int i = 0; i < pList->count(); ++i)
                rows.push_back(QStringToAnsi(pList->item(i)->text()));
        return rows;
    }
    bool IsOpen() const override { return m_wnd.Widget()->isVisible(); }

private:
    CQtDialogWindow& m_wnd;
};

class CQtDriver : public CBackendDriver<CreateQtBackend> {
public:
    int Run(CDialog& dlg, std::function<void(IDriverWindow&)> script) override
    {
        return RunModalScript(dlg, [script](CQtDialogWindow& wnd) {
            CQtDriverWindow window(wnd);
            script(window);
            if (wnd.Widget()->isVisible())
                wnd.EndModal(IDCANCEL);
        }, kGuardMs);
    }

    void ActOnNextMessageBox(UINT nButtons, std::vector<DialogKey> keys, int nClick) override
    {
        auto* pPoll = new QTimer;
        auto pWaited = std::make_shared<int>(0);
        QObject::connect(pPoll, &QTimer::timeout, [=] {
            QPointer<QMessageBox> pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            *pWaited += 10;
            if (!pBox && *pWaited < kGuardMs)
                return;
            pPoll->stop();
            pPoll->deleteLater();
            if (!pBox) {
                ADD_FAILURE() << "no message box opened";
                return;
            }
            EXPECT_EQ(pBox->buttons().size(), nButtons == MB_YESNO ? 2 : 1);
            for (DialogKey key : keys)
                if (pBox && pBox->isVisible())
                    SendKey(pBox, key);
            if (pBox && pBox->isVisible() && nClick)
                pBox->button(ButtonFor(nClick))->click();
            if (pBox && pBox->isVisible()) {
                ADD_FAILURE() << "the message box was left open";
                pBox->done(0);
            }
        });
        pPoll->start(10);
    }
};

std::unique_ptr<IConformanceDriver> MakeQtDriver() { return std::make_unique<CQtDriver>(); }
}  // namespace

INSTANTIATE_TEST_SUITE_P(Qt, Conformance, ::testing::Values(&MakeQtDriver));
