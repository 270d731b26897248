#include "QtTestSupport.h"

#include "CatalogFile.h"
#include "ChipCatalog.h"
#include "Templates.h"

#include "support/QtTestEnvironment.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace {
::testing::Environment* const g_pQtEnvironment = ::testing::AddGlobalTestEnvironment(new QtTestEnvironment);
}  // namespace

void QtDialogTest::SetUp()
{
    AfxSetResources(&OrvaneResources());
    AfxSetBackend(m_pBackend.get());
    WorkDirFixture::SetUp();
}

void QtDialogTest::TearDown()
{
    AfxSetBackend(nullptr);
    WorkDirFixture::TearDown();
}

void OnNextModal(std::function<bool(QWidget*)> bMatch, std::function<void(QWidget&)> fn, int nTimeoutMs)
{
    auto* pPoll = new QTimer;
    auto pWaited = std::make_shared<int>(0);
    QObject::connect(pPoll, &QTimer::timeout, [pPoll, pWaited, nTimeoutMs, bMatch, fn] {
        QWidget* pModal = QApplication::activeModalWidget();
        const bool bFound = pModal && bMatch(pModal);
        *pWaited += 10;
        if (bFound || *pWaited >= nTimeoutMs) {
            pPoll->stop();
            pPoll->deleteLater();
        }
        if (bFound)
            fn(*pModal);
        else if (*pWaited >= nTimeoutMs)
            ADD_FAILURE() << "the expected window did not open";
    });
    pPoll->start(10);
}

void OnNextMessageBox(std::function<void(QMessageBox&)> fn)
{
    OnNextModal([](QWidget* p) { return qobject_cast<QMessageBox*>(p) != nullptr; },
                [fn](QWidget& w) { fn(static_cast<QMessageBox&>(w)); });
}

void OnNextDialog(const QString& strCaption, std::function<void(QDialog&)> fn)
{
    OnNextModal([strCaption](QWidget* p) { return qobject_cast<QDialog*>(p) && p->windowTitle() == strCaption; },
                [fn](QWidget& w) { fn(static_cast<QDialog&>(w)); });
}

void PressKey(CQtDialogWindow& wnd, int nKey)
{
    QWidget* pTarget = wnd.Widget()->focusWidget();
    QTest::keyClick(pTarget ? pTarget : wnd.Widget(), static_cast<Qt::Key>(nKey));
}

void TypeKeys(QWidget* pWidget, const QString& strText)
{
    for (QChar ch : strText) {
        const bool bAscii = ch.unicode() > 0x20 && ch.unicode() < 0x7F;
        const Qt::Key key = bAscii ? static_cast<Qt::Key>(ch.toUpper().unicode()) : (ch == ' ' ? Qt::Key_Space : Qt::Key_unknown);
        QTest::sendKeyEvent(QTest::Click, pWidget, key, QString(ch), Qt::NoModifier);
    }
}

void WriteCatalog(const std::vector<CString>& names)
{
    CChipCatalog catalog;
    catalog.AddTypeName("I2C EEPROM");
    const BYTE settings[12] = {0x80, 0, 1, 0, 0, 0x20, 0x10, 8, 0, 0, 0xA0, 0};
    for (const CString& strName : names) {
        catalog.AddEmptyEntry();
        catalog.SetEntry(catalog.GetEntryCount() - 1, strName, settings);
    }
    ASSERT_TRUE(CCatalogFile::Save(catalog).Ok());
}

std::vector<CString> CatalogNames()
{
    CChipCatalog catalog;
    CCatalogFile::Load(catalog);
    std::vector<CString> names;
    for (int i = 0; i < catalog.GetEntryCount(); ++i)
        names.push_back(catalog.GetEntryName(i));
    return names;
}
