#include "QtTestSupport.h"

#include "ChipListDlg.h"
#include "Resource.h"
#include "WinApp.h"

#include <QDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {
class ChipListWindowTest : public QtDialogTest {};

QStringList ShownRows(CQtDialogWindow& wnd)
{
    auto* pList = qobject_cast<QListWidget*>(wnd.ControlWidget(IDC_CHIP_LIST));
    QStringList rows;
    for (int i = 0; i < pList->count(); ++i)
        rows << pList->item(i)->text();
    return rows;
}

void ClickRow(CQtDialogWindow& wnd, int nRow)
{
    auto* pList = qobject_cast<QListWidget*>(wnd.ControlWidget(IDC_CHIP_LIST));
    QTest::mouseClick(pList->viewport(), Qt::LeftButton, {}, pList->visualItemRect(pList->item(nRow)).center());
}
}  // namespace

TEST_F(ChipListWindowTest, ShowsTheCatalogueSortedWithItsIcons)
{
    WriteCatalog({"b", "A", "c", "a"});
    CChipListDlg dlg;
    RunModalScript(dlg, [](CQtDialogWindow& wnd) {
        EXPECT_EQ(wnd.Widget()->windowTitle(), "Orvane");
        EXPECT_EQ(ShownRows(wnd), QStringList({"a", "A", "b", "c"}));
        const QList<QSize> sizes = wnd.Widget()->windowIcon().availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(16, 16)));
        EXPECT_TRUE(sizes.contains(QSize(32, 32)));
        PressKey(wnd, Qt::Key_Escape);
    });
}

TEST_F(ChipListWindowTest, DeleteChipAsksOverTheWindowAndRemovesTheEntry)
{
    WriteCatalog({"24C02", "24C01", "24C02"});
    CChipListDlg dlg;
    QString strQuestion;
    RunModalScript(dlg, [&](CQtDialogWindow& wnd) {
        ClickRow(wnd, 1);
        OnNextMessageBox([&](QMessageBox& box) {
            strQuestion = box.text();
            EXPECT_EQ(box.parentWidget(), wnd.Widget());
            box.button(QMessageBox::Yes)->click();
        });
        QTest::mouseClick(qobject_cast<QPushButton*>(wnd.ControlWidget(IDC_DELETE_CHIP)), Qt::LeftButton);
        EXPECT_EQ(ShownRows(wnd), QStringList({"24C01", "24C02"}));
        EXPECT_EQ(wnd.ListGetCurSel(IDC_CHIP_LIST), -1);
        wnd.Widget()->close();
    });
    EXPECT_EQ(strQuestion, "You sure of removing 24C02");
    EXPECT_EQ(CatalogNames(), (std::vector<CString>{"24C01", "24C02"}));
}

TEST_F(ChipListWindowTest, DialogsOpenedFromTheWindowBelongToIt)
{
    CWinApp app("orvane");
    CChipListDlg dlg;
    app.m_pMainWnd = &dlg;
    QWidget* pOwner = nullptr;
    RunModalScript(dlg, [&](CQtDialogWindow& wnd) {
        OnNextDialog("Select Type", [&](QDialog& selectType) {
            pOwner = selectType.parentWidget();
            QTest::keyClick(&selectType, Qt::Key_Escape);
        });
        QTest::mouseClick(qobject_cast<QPushButton*>(wnd.ControlWidget(IDC_ADD_NEW)), Qt::LeftButton);
        EXPECT_EQ(pOwner, wnd.Widget());
        PressKey(wnd, Qt::Key_Escape);
    });
}
