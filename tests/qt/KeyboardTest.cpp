#include "ProbeDlg.h"
#include "QtTestSupport.h"

#include "Resource.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {
class KeyboardTest : public QtDialogTest {
protected:
    void SetUp() override
    {
        QtDialogTest::SetUp();
        CProbeDlg::InstallResources();
    }
};
}  // namespace

TEST_F(KeyboardTest, FocusStartsOnTheFirstEnabledTabStop)
{
    CProbeDlg probe;  // its first tab stop is disabled
    RunModalScript(probe, [](CQtDialogWindow& wnd) {
        EXPECT_EQ(wnd.Widget()->focusWidget(), wnd.ControlWidget(IDOK));
        wnd.EndModal(IDCANCEL);
    });
    CDialog editString(IDD_EDIT_STRING);
    RunModalScript(editString, [](CQtDialogWindow& wnd) {
        EXPECT_EQ(wnd.Widget()->focusWidget(), wnd.ControlWidget(IDOK));
        // Tab moves on in template order.
        PressKey(wnd, Qt::Key_Tab);
        EXPECT_EQ(wnd.Widget()->focusWidget(), wnd.ControlWidget(IDCANCEL));
        PressKey(wnd, Qt::Key_Tab);
        EXPECT_EQ(wnd.Widget()->focusWidget(), wnd.ControlWidget(IDC_STRING_TEXT));
        wnd.EndModal(IDCANCEL);
    });
}

TEST_F(KeyboardTest, EnterPressesTheDefaultButtonFromAnEditBox)
{
    CDialog dlg(IDD_EDIT_STRING);
    EXPECT_EQ(RunModalScript(dlg, [](CQtDialogWindow& wnd) {
        wnd.ControlWidget(IDC_STRING_TEXT)->setFocus();
        TypeKeys(wnd.ControlWidget(IDC_STRING_TEXT), "x");
        PressKey(wnd, Qt::Key_Return);
    }), IDOK);
}

TEST_F(KeyboardTest, EnterPressesTheFocusedButton)
{
    CDialog dlg(IDD_EDIT_STRING);
    EXPECT_EQ(RunModalScript(dlg, [](CQtDialogWindow& wnd) {
        wnd.ControlWidget(IDCANCEL)->setFocus();
        PressKey(wnd, Qt::Key_Enter);
    }), IDCANCEL);

    // With no default button, Enter on the list is the OK command, which ends the chip
    // list window through OnOK.
    CDialog chipList(IDD_CHIPLIST_DIALOG);
    EXPECT_EQ(RunModalScript(chipList, [](CQtDialogWindow& wnd) {
        EXPECT_EQ(wnd.Widget()->focusWidget(), wnd.ControlWidget(IDCANCEL));
        wnd.ControlWidget(IDC_CHIP_LIST)->setFocus();
        PressKey(wnd, Qt::Key_Return);
    }), IDOK);
}

TEST_F(KeyboardTest, EscapeAndTheCloseBoxAreCancelAndLeaveTheEndToTheDialog)
{
    CDialog byEscape(IDD_SETUP_I2C);
    EXPECT_EQ(RunModalScript(byEscape, [](CQtDialogWindow& wnd) { PressKey(wnd, Qt::Key_Escape); }), IDCANCEL);

    CDialog byCloseBox(IDD_SETUP_MICROWIRE);
    EXPECT_EQ(RunModalScript(byCloseBox, [](CQtDialogWindow& wnd) { wnd.Widget()->close(); }), IDCANCEL);
}

TEST_F(KeyboardTest, CloseBoxAndEscapeGoThroughTheDialogWhichMayKeepTheWindowOpen)
{
    CProbeDlg probe;
    probe.m_bRefuseCancel = true;
    const int nResult = RunModalScript(probe, [&probe](CQtDialogWindow& wnd) {
        wnd.Widget()->close();
        PressKey(wnd, Qt::Key_Escape);
        EXPECT_TRUE(wnd.Widget()->isVisible());
        EXPECT_EQ(probe.m_nCancelRefused, 2);
        wnd.EndModal(IDOK);
    });
    EXPECT_EQ(nResult, IDOK);
}

TEST_F(KeyboardTest, F1IsTheHelpCommandAndSpacePressesTheFocusedButton)
{
    CProbeDlg probe;
    RunModalScript(probe, [](CQtDialogWindow& wnd) {
        PressKey(wnd, Qt::Key_F1);
        wnd.ControlWidget(CProbeDlg::IDC_ACT)->setFocus();
        PressKey(wnd, Qt::Key_Space);
        EXPECT_TRUE(wnd.Widget()->isVisible());
        wnd.EndModal(IDCANCEL);
    });
    EXPECT_EQ(probe.Count(static_cast<int>(ID_HELP), BN_CLICKED), 1);
    EXPECT_EQ(probe.Count(CProbeDlg::IDC_ACT, BN_CLICKED), 1);
}

TEST_F(KeyboardTest, DisabledDefaultButtonMakesEnterDoNothing)
{
    CDialog dlg(IDD_EDIT_STRING);
    const int nResult = RunModalScript(dlg, [](CQtDialogWindow& wnd) {
        wnd.EnableControl(IDOK, FALSE);
        wnd.ControlWidget(IDC_STRING_TEXT)->setFocus();
        PressKey(wnd, Qt::Key_Return);
        EXPECT_TRUE(wnd.Widget()->isVisible());
        wnd.EndModal(IDCANCEL);
    });
    EXPECT_EQ(nResult, IDCANCEL);
}
