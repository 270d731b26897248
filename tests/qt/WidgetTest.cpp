#include "ConformanceDlg.h"
#include "QtTestSupport.h"

#include "CodePage.h"
#include "QtEditValidator.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

// What Qt's own widgets do with the mouse, the keyboard and the clipboard, beyond what
// the conformance cases drive on every backend.
namespace {
using D = CConformanceDlg;

class WidgetTest : public QtDialogTest {
protected:
    void SetUp() override
    {
        QtDialogTest::SetUp();
        CConformanceDlg::InstallResources();
    }
    template <class W> static W* Control(CQtDialogWindow& wnd, int nID) { return qobject_cast<W*>(wnd.ControlWidget(nID)); }
    CConformanceDlg m_dlg;
};

QString FromAnsi(const char* psz)
{
    std::u32string wide = AnsiToUtf32(psz, SystemAnsiCodePage());
    return QString::fromUcs4(wide.data(), static_cast<qsizetype>(wide.size()));
}
}  // namespace

TEST_F(WidgetTest, SpacePressesTheFocusedButton)
{
    RunModalScript(m_dlg, [](CQtDialogWindow& wnd) {
        wnd.ControlWidget(D::IDC_ACT)->setFocus();
        PressKey(wnd, Qt::Key_Space);
        EXPECT_TRUE(wnd.Widget()->isVisible());
        wnd.EndModal(IDCANCEL);
    });
    EXPECT_EQ(m_dlg.Clicks(D::IDC_ACT), 1);
}

TEST_F(WidgetTest, UserListSelectionAndDoubleClickNotify)
{
    RunModalScript(m_dlg, [this](CQtDialogWindow& wnd) {
        wnd.ListSetStrings(D::IDC_LIST, {"alpha", "beta", "gamma"});
        auto* pList = Control<QListWidget>(wnd, D::IDC_LIST);
        const QPoint row1 = pList->visualItemRect(pList->item(1)).center();
        QTest::mouseClick(pList->viewport(), Qt::LeftButton, {}, row1);
        EXPECT_EQ(wnd.ListGetCurSel(D::IDC_LIST), 1);
        EXPECT_EQ(m_dlg.SelChanges(), 1);
        QTest::mouseDClick(pList->viewport(), Qt::LeftButton, {}, row1);
        EXPECT_EQ(m_dlg.Count(D::IDC_LIST, LBN_DBLCLK), 1);
        // Keyboard focus alone marks a row as current but selects nothing.
        wnd.ListResetContent(D::IDC_LIST);
        wnd.ListSetStrings(D::IDC_LIST, {"x", "y"});
        pList->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(wnd.ListGetCurSel(D::IDC_LIST), -1);
        // With the caret on the first row and nothing selected, as after the list
        // takes the focus, Home selects that row, as on the original control.
        pList->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        QTest::keyClick(pList, Qt::Key_Home);
        EXPECT_EQ(wnd.ListGetCurSel(D::IDC_LIST), 0);
        EXPECT_EQ(m_dlg.SelChanges(), 2);
        wnd.EndModal(IDCANCEL);
    });
}

TEST_F(WidgetTest, DigitBoxesAlignRightAndRefusePastedLetters)
{
    RunModalScript(m_dlg, [](CQtDialogWindow& wnd) {
        auto* pDigits = Control<QLineEdit>(wnd, D::IDC_DIGITS);
        EXPECT_TRUE(pDigits->alignment() & Qt::AlignRight);
        pDigits->selectAll();
        pDigits->insert("4x");
        EXPECT_EQ(pDigits->text(), "7");
        wnd.EndModal(IDCANCEL);
    });
}

TEST_F(WidgetTest, BoxesWithoutScrollingStopWhenFull)
{
    RunModalScript(m_dlg, [](CQtDialogWindow& wnd) {
        auto* pNarrow = Control<QLineEdit>(wnd, D::IDC_NARROW);
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
        wnd.SetText(D::IDC_NARROW, CString(std::string(100, 'x')));
        pNarrow->end(false);
        QTest::keyClick(pNarrow, Qt::Key_Backspace);
        EXPECT_EQ(pNarrow->text().size(), 99);
        QTest::keyClicks(pNarrow, "y");
        EXPECT_EQ(pNarrow->text().size(), 99);

        // The scrolling box takes it all.
        auto* pName = Control<QLineEdit>(wnd, D::IDC_ENTRY);
        pName->clear();
        TypeKeys(pName, strLong);
        EXPECT_EQ(pName->text(), strLong);
        wnd.EndModal(IDCANCEL);
    });
}

TEST_F(WidgetTest, TextsAreShownInTheAnsiCodePageAndTypedCharactersItLacksAreRefused)
{
    const CString strDefined = "caf\xE9";
    RunModalScript(m_dlg, [&](CQtDialogWindow& wnd) {
        auto* pName = Control<QLineEdit>(wnd, D::IDC_ENTRY);
        wnd.SetText(D::IDC_ENTRY, strDefined);
        EXPECT_EQ(pName->text(), FromAnsi("caf\xE9"));
        EXPECT_EQ(wnd.GetText(D::IDC_ENTRY), strDefined);
        pName->clear();
        TypeKeys(pName, FromAnsi("\xE0") + QChar(0x4E2D) + "b");
        EXPECT_EQ(wnd.GetText(D::IDC_ENTRY), CString("\xE0" "b"));
        wnd.EndModal(IDCANCEL);
    });
}

// Runs under a Japanese locale (ctest's qt_japanese), where names are in code page 932.
TEST_F(WidgetTest, DoubleByteNamesAreShownWholeAndKeptUntilEdited)
{
    if (SystemAnsiCodePage() != CodePage::Windows932)
        GTEST_SKIP() << "needs a Japanese locale, such as LC_ALL=ja_JP.UTF-8";
    const CString strName = "\x95\x5C\x8E\xA6\x83\x5C\x83\x74\x83\x67";  // 表示ソフト
    const CString strOdd = "A\x85\x41\x95";  // an undefined pair and a lead byte at the end
    RunModalScript(m_dlg, [&](CQtDialogWindow& wnd) {
        auto* pName = Control<QLineEdit>(wnd, D::IDC_ENTRY);
        wnd.SetText(D::IDC_ENTRY, strName);
        EXPECT_EQ(pName->text(), QString::fromUtf8("表示ソフト"));
        EXPECT_EQ(wnd.GetText(D::IDC_ENTRY), strName);
        wnd.SetText(D::IDC_ENTRY, strOdd);
        EXPECT_EQ(pName->text(), QString::fromUtf8("A\u30FB\u30FB"));
        EXPECT_EQ(wnd.GetText(D::IDC_ENTRY), strOdd);
        // Typed text is stored a character at a time; a character 932 lacks is refused.
        pName->clear();
        TypeKeys(pName, QString::fromUtf8("表ｱ갂\\"));
        EXPECT_EQ(wnd.GetText(D::IDC_ENTRY), CString("\x95\x5C\xB1\\"));
        wnd.EndModal(IDCANCEL);
    });
}

TEST_F(WidgetTest, ARejectedValueIsReportedInAWarningBoxOverTheDialog)
{
    QString strText, strCaption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    RunModalScript(m_dlg, [&](CQtDialogWindow& wnd) {
        auto* pDigits = Control<QLineEdit>(wnd, D::IDC_DIGITS);
        pDigits->setFocus();
        pDigits->selectAll();
        TypeKeys(pDigits, "500");
        OnNextMessageBox([&](QMessageBox& box) {
            strText = box.text();
            strCaption = box.windowTitle();
            icon = box.icon();
            EXPECT_EQ(box.buttons().size(), 1);
            EXPECT_EQ(box.parentWidget(), wnd.Widget());
            box.button(QMessageBox::Ok)->click();
        });
        QTest::mouseClick(Control<QPushButton>(wnd, IDOK), Qt::LeftButton);
        EXPECT_EQ(pDigits->selectedText(), "500");
        wnd.EndModal(IDCANCEL);
    });
    EXPECT_EQ(strText, "Please enter an integer between 0 and 100.");
    EXPECT_FALSE(strCaption.isEmpty());
    EXPECT_EQ(icon, QMessageBox::Warning);
}

TEST_F(WidgetTest, AQuestionShowsAWarningIconWithYesAsTheDefault)
{
    RunModalScript(m_dlg, [&](CQtDialogWindow& wnd) {
        OnNextMessageBox([&](QMessageBox& box) {
            EXPECT_EQ(box.text(), "Go on?");
            EXPECT_EQ(box.icon(), QMessageBox::Warning);
            EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Yes));
            box.button(QMessageBox::No)->click();
        });
        QTest::mouseClick(Control<QPushButton>(wnd, D::IDC_ASK), Qt::LeftButton);
        wnd.EndModal(IDCANCEL);
    });
    EXPECT_EQ(m_dlg.m_nAnswer, IDNO);
}
