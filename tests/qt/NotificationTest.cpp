#include "ProbeDlg.h"
#include "QtTestSupport.h"

#include "CodePage.h"
#include "QtEditValidator.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {
class NotificationTest : public QtDialogTest {
protected:
    void SetUp() override
    {
        QtDialogTest::SetUp();
        CProbeDlg::InstallResources();
    }
    template <class W> static W* Control(CQtDialogWindow& wnd, int nID) { return qobject_cast<W*>(wnd.ControlWidget(nID)); }
    CProbeDlg m_dlg;
};

QString FromAnsi(const char* psz)
{
    std::u32string wide = AnsiToUtf32(psz, SystemAnsiCodePage());
    return QString::fromUcs4(wide.data(), static_cast<qsizetype>(wide.size()));
}
}  // namespace

TEST_F(NotificationTest, ClicksReachHandlersAndDisabledButtonsStayInert)
{
    RunModalScript(m_dlg, [this](CQtDialogWindow& wnd) {
        QTest::mouseClick(Control<QPushButton>(wnd, CProbeDlg::IDC_ACT), Qt::LeftButton);
        QTest::mouseClick(Control<QCheckBox>(wnd, CProbeDlg::IDC_FLAG), Qt::LeftButton);
        QTest::mouseClick(Control<QPushButton>(wnd, CProbeDlg::IDC_OFF), Qt::LeftButton);
        EXPECT_EQ(wnd.GetCheck(CProbeDlg::IDC_FLAG), 1);
        EXPECT_FALSE(wnd.IsControlEnabled(CProbeDlg::IDC_OFF));
        wnd.EndModal(IDCANCEL);
    });
    EXPECT_EQ(m_dlg.Count(CProbeDlg::IDC_ACT, BN_CLICKED), 1);
    EXPECT_EQ(m_dlg.Count(CProbeDlg::IDC_FLAG, BN_CLICKED), 1);
    EXPECT_EQ(m_dlg.Count(CProbeDlg::IDC_OFF, BN_CLICKED), 0);
}

TEST_F(NotificationTest, ProgramChangesToChecksAndListsRaiseNothing)
{
    RunModalScript(m_dlg, [this](CQtDialogWindow& wnd) {
        wnd.SetCheck(CProbeDlg::IDC_FLAG, 1);
        wnd.ListSetStrings(CProbeDlg::IDC_LIST, {"a", "b", "c"});
        wnd.ListSetCurSel(CProbeDlg::IDC_LIST, 2);
        EXPECT_EQ(wnd.ListGetCurSel(CProbeDlg::IDC_LIST), 2);
        wnd.ListInsertString(CProbeDlg::IDC_LIST, 0, "z");
        wnd.ListResetContent(CProbeDlg::IDC_LIST);
        EXPECT_EQ(wnd.ListGetCurSel(CProbeDlg::IDC_LIST), -1);
        wnd.EndModal(IDCANCEL);
    });
    EXPECT_TRUE(m_dlg.m_nCount.empty());
}

TEST_F(NotificationTest, EditsNotifyOnlyRealChangesAndNothingDuringUpdateData)
{
    RunModalScript(m_dlg, [this](CQtDialogWindow& wnd) {
        // OnInitDialog wrote "start" and 7 while exchanging: no notification yet.
        EXPECT_EQ(m_dlg.Count(CProbeDlg::IDC_TEXT, EN_CHANGE), 0);
        EXPECT_EQ(Control<QLineEdit>(wnd, CProbeDlg::IDC_TEXT)->text(), "start");
        TypeKeys(Control<QLineEdit>(wnd, CProbeDlg::IDC_TEXT), "ab");
        EXPECT_EQ(m_dlg.Count(CProbeDlg::IDC_TEXT, EN_CHANGE), 2);

        // The handler writes new values with UpdateData(FALSE).
        QTest::mouseClick(Control<QPushButton>(wnd, CProbeDlg::IDC_ACT), Qt::LeftButton);
        EXPECT_EQ(Control<QLineEdit>(wnd, CProbeDlg::IDC_NUMBER)->text(), "8");
        EXPECT_EQ(m_dlg.Count(CProbeDlg::IDC_TEXT, EN_CHANGE), 2);
        EXPECT_EQ(m_dlg.Count(CProbeDlg::IDC_NUMBER, EN_CHANGE), 0);

        wnd.SetText(CProbeDlg::IDC_TEXT, "other");
        EXPECT_EQ(m_dlg.Count(CProbeDlg::IDC_TEXT, EN_CHANGE), 3);
        wnd.SetText(CProbeDlg::IDC_TEXT, "other");
        EXPECT_EQ(m_dlg.Count(CProbeDlg::IDC_TEXT, EN_CHANGE), 3);
        wnd.EndModal(IDCANCEL);
    });
}

TEST_F(NotificationTest, UserListSelectionAndDoubleClickNotify)
{
    RunModalScript(m_dlg, [this](CQtDialogWindow& wnd) {
        wnd.ListSetStrings(CProbeDlg::IDC_LIST, {"alpha", "beta", "gamma"});
        auto* pList = Control<QListWidget>(wnd, CProbeDlg::IDC_LIST);
        const QPoint row1 = pList->visualItemRect(pList->item(1)).center();
        QTest::mouseClick(pList->viewport(), Qt::LeftButton, {}, row1);
        EXPECT_EQ(wnd.ListGetCurSel(CProbeDlg::IDC_LIST), 1);
        EXPECT_EQ(m_dlg.Count(CProbeDlg::IDC_LIST, LBN_SELCHANGE), 1);
        QTest::mouseDClick(pList->viewport(), Qt::LeftButton, {}, row1);
        EXPECT_EQ(m_dlg.Count(CProbeDlg::IDC_LIST, LBN_DBLCLK), 1);
        // Keyboard focus alone marks a row as current but selects nothing.
        wnd.ListResetContent(CProbeDlg::IDC_LIST);
        wnd.ListSetStrings(CProbeDlg::IDC_LIST, {"x", "y"});
        pList->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(wnd.ListGetCurSel(CProbeDlg::IDC_LIST), -1);
        // With the caret on the first row and nothing selected, as after the list
        // takes the focus, Home selects that row, as on the original control.
        pList->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        QTest::keyClick(pList, Qt::Key_Home);
        EXPECT_EQ(wnd.ListGetCurSel(CProbeDlg::IDC_LIST), 0);
        EXPECT_EQ(m_dlg.Count(CProbeDlg::IDC_LIST, LBN_SELCHANGE), 2);
        wnd.EndModal(IDCANCEL);
    });
}

TEST_F(NotificationTest, DigitBoxesTakeDigitsOnly)
{
    RunModalScript(m_dlg, [this](CQtDialogWindow& wnd) {
        auto* pNumber = Control<QLineEdit>(wnd, CProbeDlg::IDC_NUMBER);
        pNumber->clear();
        TypeKeys(pNumber, "1a2-3 ");
        EXPECT_EQ(pNumber->text(), "123");
        EXPECT_TRUE(pNumber->alignment() & Qt::AlignRight);
        // Pasting is refused as well.
        pNumber->selectAll();
        pNumber->insert("4x");
        EXPECT_EQ(pNumber->text(), "123");
        wnd.EndModal(IDCANCEL);
    });
}

TEST_F(NotificationTest, BoxesWithoutScrollingStopWhenFull)
{
    RunModalScript(m_dlg, [this](CQtDialogWindow& wnd) {
        auto* pNarrow = Control<QLineEdit>(wnd, CProbeDlg::IDC_NARROW);
        const QString strLong(200, QChar('W'));
        TypeKeys(pNarrow, strLong);
        const QString strKept = pNarrow->text();
        EXPECT_GT(strKept.size(), 1);
        EXPECT_LT(strKept.size(), strLong.size());
        auto* pValidator = dynamic_cast<const CQtEditValidator*>(pNarrow->validator());
        ASSERT_NE(pValidator, nullptr);
        QFontMetrics metrics(pNarrow->font());
        EXPECT_LE(metrics.horizontalAdvance(strKept), pValidator->TextRoom());
        EXPECT_GT(metrics.horizontalAdvance(strKept + "W"), pValidator->TextRoom());
        EXPECT_LT(pValidator->TextRoom(), pNarrow->width());

        // A longer text set by the program is shown whole and can still be shortened.
        wnd.SetText(CProbeDlg::IDC_NARROW, CString(std::string(100, 'x')));
        pNarrow->end(false);
        QTest::keyClick(pNarrow, Qt::Key_Backspace);
        EXPECT_EQ(pNarrow->text().size(), 99);
        QTest::keyClicks(pNarrow, "y");
        EXPECT_EQ(pNarrow->text().size(), 99);

        // The scrolling box takes it all.
        auto* pText = Control<QLineEdit>(wnd, CProbeDlg::IDC_TEXT);
        pText->clear();
        TypeKeys(pText, strLong);
        EXPECT_EQ(pText->text(), strLong);
        wnd.EndModal(IDCANCEL);
    });
}

TEST_F(NotificationTest, TextsCrossTheAnsiCodePageBothWays)
{
    const bool bCyrillic = SystemAnsiCodePage() == CodePage::Windows1251;
    // A byte the page leaves undefined, and one it defines.
    const CString strUndefined = bCyrillic ? "a\x98z" : "a\x81z";
    const CString strDefined = "caf\xE9";
    RunModalScript(m_dlg, [&](CQtDialogWindow& wnd) {
        wnd.SetText(CProbeDlg::IDC_TEXT, strDefined);
        EXPECT_EQ(Control<QLineEdit>(wnd, CProbeDlg::IDC_TEXT)->text(), FromAnsi("caf\xE9"));
        EXPECT_EQ(wnd.GetText(CProbeDlg::IDC_TEXT), strDefined);

        // An untouched text reads back byte for byte.
        wnd.SetText(CProbeDlg::IDC_LABEL, strUndefined);
        EXPECT_EQ(wnd.GetText(CProbeDlg::IDC_LABEL), strUndefined);

        // What the user types is stored in the page; what it lacks is refused.
        auto* pText = Control<QLineEdit>(wnd, CProbeDlg::IDC_TEXT);
        pText->clear();
        TypeKeys(pText, FromAnsi("\xE0") + QChar(0x4E2D) + "b");
        EXPECT_EQ(wnd.GetText(CProbeDlg::IDC_TEXT), CString("\xE0" "b"));
        wnd.EndModal(IDCANCEL);
    });
}

TEST_F(NotificationTest, RejectedValueIsReportedInAWarningBoxAndSelected)
{
    QString strText, strCaption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    const int nResult = RunModalScript(m_dlg, [&](CQtDialogWindow& wnd) {
        auto* pNumber = Control<QLineEdit>(wnd, CProbeDlg::IDC_NUMBER);
        pNumber->setFocus();
        pNumber->selectAll();
        TypeKeys(pNumber, "500");
        OnNextMessageBox([&](QMessageBox& box) {
            strText = box.text();
            strCaption = box.windowTitle();
            icon = box.icon();
            EXPECT_EQ(box.buttons().size(), 1);
            EXPECT_EQ(box.parentWidget(), wnd.Widget());
            box.button(QMessageBox::Ok)->click();
        });
        PressKey(wnd, Qt::Key_Return);
        // The dialog stays open with the failing box focused and its text selected.
        EXPECT_EQ(wnd.Widget()->focusWidget(), pNumber);
        EXPECT_EQ(pNumber->selectedText(), "500");
        wnd.EndModal(IDCANCEL);
    });
    EXPECT_EQ(nResult, IDCANCEL);
    EXPECT_EQ(strText, "Please enter an integer between 0 and 100.");
    EXPECT_FALSE(strCaption.isEmpty());
    EXPECT_EQ(icon, QMessageBox::Warning);
}

TEST_F(NotificationTest, YesNoQuestionsAnswerYesOrNoAndIgnoreEscape)
{
    for (auto [button, nExpected] : {std::pair{QMessageBox::Yes, IDYES}, std::pair{QMessageBox::No, IDNO}}) {
        CProbeDlg dlg;
        RunModalScript(dlg, [&, button = button](CQtDialogWindow& wnd) {
            OnNextMessageBox([&](QMessageBox& box) {
                EXPECT_EQ(box.text(), "Go on?");
                EXPECT_EQ(box.icon(), QMessageBox::Warning);
                EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Yes));
                // A question has no Cancel button, so Esc leaves it open.
                QTest::keyClick(&box, Qt::Key_Escape);
                EXPECT_TRUE(box.isVisible());
                box.button(button)->click();
            });
            QTest::mouseClick(Control<QPushButton>(wnd, CProbeDlg::IDC_ASK), Qt::LeftButton);
            wnd.EndModal(IDCANCEL);
        });
        EXPECT_EQ(dlg.m_nAnswer, nExpected);
    }
}

TEST_F(NotificationTest, ExceptionOutsideTheFrameworkEndsTheLoopAndReachesTheCaller)
{
    m_dlg.m_bThrowFromAct = true;
    EXPECT_THROW(RunModalScript(m_dlg, [this](CQtDialogWindow& wnd) {
        QTest::mouseClick(Control<QPushButton>(wnd, CProbeDlg::IDC_ACT), Qt::LeftButton);
    }), int);
}
