#include "ConformanceTest.h"

#include "CodePage.h"
#include "WinApp.h"

#include <iterator>

namespace {
using D = CConformanceDlg;
using Sel = std::pair<int, int>;

TEST_P(Conformance, FirstFocusIsTheFirstEnabledTabStopInTemplateOrderWithItsTextSelected)
{
    Run([](IDriverWindow& w) {
        EXPECT_EQ(w.Focus(), D::IDC_ENTRY);
        EXPECT_EQ(w.Selection(D::IDC_ENTRY), Sel(0, 5));
    });
}

TEST_P(Conformance, TabAndShiftTabWalkTheEnabledTabStopsInTemplateOrderRoundTheEnd)
{
    const int nOrder[] = {D::IDC_DIGITS, D::IDC_LIST, D::IDC_ACT,    D::IDC_ASK, D::IDC_TELL,
                          IDOK,          D::IDC_GO,   D::IDC_APPLY, IDCANCEL,   D::IDC_ENTRY};
    Run([&](IDriverWindow& w) {
        for (int nExpected : nOrder) {
            w.Press(DialogKey::Tab);
            EXPECT_EQ(w.Focus(), nExpected);
        }
        for (int i = static_cast<int>(std::size(nOrder)) - 2; i >= -1; --i) {
            w.Press(DialogKey::ShiftTab);
            EXPECT_EQ(w.Focus(), i >= 0 ? nOrder[i] : D::IDC_ENTRY);
        }
        // Tabbing into an edit box selects all of its text.
        w.Press(DialogKey::Tab);
        EXPECT_EQ(w.Focus(), D::IDC_DIGITS);
        EXPECT_EQ(w.Selection(D::IDC_DIGITS), Sel(0, 1));
    });
}

TEST_P(Conformance, EnterPressesTheFocusedPushButtonElseTheLastDefaultButton)
{
    Run([this](IDriverWindow& w) {
        w.Press(DialogKey::Enter);  // from the name box
        EXPECT_EQ(m_dlg.Clicks(D::IDC_APPLY), 1);
        w.Press(DialogKey::Tab);
        w.Press(DialogKey::Tab);
        w.Press(DialogKey::Tab);
        ASSERT_EQ(w.Focus(), D::IDC_ACT);
        w.Press(DialogKey::Enter);
        EXPECT_EQ(m_dlg.Clicks(D::IDC_ACT), 1);
        EXPECT_EQ(m_dlg.Clicks(D::IDC_GO), 0);
        EXPECT_EQ(m_dlg.Clicks(D::IDC_APPLY), 1);
        EXPECT_TRUE(w.IsOpen());
    });
}

TEST_P(Conformance, EnterDoesNothingWhileTheDefaultButtonIsDisabled)
{
    Run([this](IDriverWindow& w) {
        m_dlg.EnableDlgItem(D::IDC_APPLY, FALSE);
        w.Press(DialogKey::Enter);
        EXPECT_TRUE(w.IsOpen());
        EXPECT_EQ(m_dlg.Clicks(D::IDC_APPLY) + m_dlg.Clicks(D::IDC_GO), 0);
    });
}

TEST_P(Conformance, EscapeAndTheCloseBoxAreCancelAndF1IsHelp)
{
    struct Case {
        DialogKey key;
        int nResult;
    } const cases[] = {{DialogKey::Escape, IDCANCEL}, {DialogKey::CloseBox, IDCANCEL}};
    for (const Case& c : cases) {
        CConformanceDlg dlg;
        EXPECT_EQ(m_pDriver->Run(dlg, [&](IDriverWindow& w) {
            w.Press(DialogKey::Help);
            w.Press(c.key);
            EXPECT_FALSE(w.IsOpen());
        }), c.nResult);
        EXPECT_EQ(dlg.Help(), 1);
    }
}

TEST_P(Conformance, EscapeAndTheCloseBoxGoThroughTheDialogWhichMayKeepTheWindowOpen)
{
    m_dlg.m_bRefuseCancel = true;
    EXPECT_EQ(Run([this](IDriverWindow& w) {
        w.Press(DialogKey::CloseBox);
        w.Press(DialogKey::Escape);
        EXPECT_TRUE(w.IsOpen());
        EXPECT_EQ(m_dlg.m_nCancelRefused, 2);
        m_dlg.m_bRefuseCancel = false;
        w.Press(DialogKey::CloseBox);
        EXPECT_FALSE(w.IsOpen());
    }), IDCANCEL);
}

TEST_P(Conformance, ClicksReachHandlersACheckBoxTicksAndADisabledButtonStaysInert)
{
    Run([this](IDriverWindow& w) {
        w.Click(D::IDC_GO);
        w.Click(D::IDC_FLAG);
        w.Click(D::IDC_OFF);
        EXPECT_EQ(m_dlg.Clicks(D::IDC_GO), 1);
        EXPECT_EQ(m_dlg.Clicks(D::IDC_FLAG), 1);
        EXPECT_EQ(m_dlg.IsDlgButtonChecked(D::IDC_FLAG), 1u);
        EXPECT_EQ(m_dlg.Clicks(D::IDC_OFF), 0);
    });
}

TEST_P(Conformance, DigitsOnlyBoxDropsOtherTypedKeys)
{
    Run([](IDriverWindow& w) {
        w.TypeKeys(D::IDC_DIGITS, "4a-2 ");
        EXPECT_EQ(w.Text(D::IDC_DIGITS), "742");
        w.TypeKeys(D::IDC_ENTRY, "x-1");
        EXPECT_EQ(w.Text(D::IDC_ENTRY), "Alphax-1");
    });
}

// Equal rows stand where the system's binary search puts them: "alpha", added last,
// meets "Alpha" first and goes before it.
TEST_P(Conformance, SortedListShowsRowsInCaseInsensitiveOrderAndTiesAsTheSystemPutsThem)
{
    Run([this](IDriverWindow& w) {
        EXPECT_EQ(w.Rows(D::IDC_LIST), (std::vector<CString>{"alpha", "Alpha", "Bravo", "charlie", "delta"}));
        EXPECT_EQ(m_dlg.m_nAddedAt, (std::vector<int>{0, 0, 1, 1, 0}));
        CListBox list;
        list.Attach(&m_dlg, D::IDC_LIST);
        // A place given by the program is taken as it is; -1 appends, beyond the end fails.
        EXPECT_EQ(list.InsertString(-1, "Zulu"), 5);
        EXPECT_EQ(list.InsertString(0, "zero"), 0);
        EXPECT_EQ(list.InsertString(8, "far"), LB_ERR);
        EXPECT_EQ(list.InsertString(-2, "negative"), LB_ERR);
        EXPECT_EQ(w.Rows(D::IDC_LIST),
                  (std::vector<CString>{"zero", "alpha", "Alpha", "Bravo", "charlie", "delta", "Zulu"}));
    });
}

TEST_P(Conformance, ProgramChangesDuringUpdateDataReachNoHandler)
{
    Run([this](IDriverWindow& w) {
        w.Click(D::IDC_ACT);
        EXPECT_EQ(w.Text(D::IDC_ENTRY), "Alpha!");
        EXPECT_EQ(w.Text(D::IDC_DIGITS), "8");
        EXPECT_EQ(m_dlg.NameChanges(), 0);
        EXPECT_EQ(m_dlg.SelChanges(), 0);
        // The user's own keys do reach it, one change a key.
        w.TypeKeys(D::IDC_ENTRY, "xy");
        EXPECT_EQ(m_dlg.NameChanges(), 2);
    });
}

TEST_P(Conformance, EditsNotifyOnlyRealChanges)
{
    Run([this](IDriverWindow& w) {
        CDialogWindow& wnd = *m_dlg.GetWindow();
        wnd.SetText(D::IDC_ENTRY, "other");
        EXPECT_EQ(m_dlg.NameChanges(), 1);
        wnd.SetText(D::IDC_ENTRY, "other");
        EXPECT_EQ(m_dlg.NameChanges(), 1);
        EXPECT_EQ(w.Text(D::IDC_ENTRY), "other");
    });
}

TEST_P(Conformance, ProgramChangesToChecksAndListsRaiseNothing)
{
    Run([this](IDriverWindow& w) {
        CDialogWindow& wnd = *m_dlg.GetWindow();
        wnd.SetCheck(D::IDC_FLAG, 1);
        EXPECT_EQ(wnd.GetCheck(D::IDC_FLAG), 1);
        wnd.ListSetStrings(D::IDC_LIST, {"a", "b", "c"});
        wnd.ListSetCurSel(D::IDC_LIST, 2);
        EXPECT_EQ(wnd.ListGetCurSel(D::IDC_LIST), 2);
        wnd.ListInsertString(D::IDC_LIST, 0, "z");
        EXPECT_EQ(w.Rows(D::IDC_LIST), (std::vector<CString>{"z", "a", "b", "c"}));
        EXPECT_EQ(wnd.ListGetText(D::IDC_LIST, 0), "z");
        wnd.ListResetContent(D::IDC_LIST);
        EXPECT_EQ(wnd.ListGetCurSel(D::IDC_LIST), -1);
        EXPECT_EQ(wnd.ListGetCount(D::IDC_LIST), 0);
        EXPECT_TRUE(m_dlg.NothingNotified());
    });
}

TEST_P(Conformance, BytesTheCodePageLacksSurviveAnUntouchedControl)
{
    // Bytes the system's ANSI page leaves undefined; in a double-byte page a lead byte
    // before a byte that is no trail byte, and one at the end.
    const CodePage cp = SystemAnsiCodePage();
    const bool bDoubleByte = AnsiCharAt("\x81\x40", 0, cp).nLength == 2;
    const CString strOdd = cp == CodePage::Windows1251 ? "a\x98z" : bDoubleByte ? "a\x81\x20z\x81" : "a\x81\x8D\x90z";
    Run([&](IDriverWindow&) {
        for (int nID : {D::IDC_ENTRY, D::IDC_LABEL}) {
            m_dlg.SetDlgItemText(nID, strOdd);
            EXPECT_EQ(m_dlg.GetDlgItemText(nID), strOdd);
        }
    });
}

TEST_P(Conformance, AnExceptionAHandlerLetsThroughEndsTheDialogAndReachesTheCaller)
{
    m_dlg.m_bThrowFromAct = true;
    EXPECT_THROW(Run([](IDriverWindow& w) { w.Click(D::IDC_ACT); }), int);
}

TEST_P(Conformance, TheStartUpSwitchCancelsOnlyTheFirstDialogOnceItIsShown)
{
    AfxSetExitAfterShow(true);
    CConformanceDlg first;
    EXPECT_EQ(first.DoModal(), IDCANCEL);
    EXPECT_FALSE(AfxTakeExitAfterShow());
    EXPECT_EQ(Run([](IDriverWindow& w) {
        EXPECT_TRUE(w.IsOpen());
        w.Press(DialogKey::Escape);
    }), IDCANCEL);
}

struct BoxCase {
    const char* pszName;
    int nButton;  // the dialog's button that opens the box
    UINT nButtons;
    std::vector<DialogKey> keys;
    int nClick;
    int nAnswer;
    UINT nDefault = 0;  // MB_DEFBUTTON2 makes No the default of a question
};

TEST_P(Conformance, MessageBoxesAnswerAsTheWindowSystemDoes)
{
    const BoxCase cases[] = {
        {"Yes", D::IDC_ASK, MB_YESNO, {}, IDYES, IDYES},
        {"No", D::IDC_ASK, MB_YESNO, {}, IDNO, IDNO},
        {"Enter is Yes", D::IDC_ASK, MB_YESNO, {DialogKey::Enter}, 0, IDYES},
        {"Enter is No where No is the default", D::IDC_ASK, MB_YESNO, {DialogKey::Enter}, 0, IDNO, MB_DEFBUTTON2},
        {"Yes where No is the default", D::IDC_ASK, MB_YESNO, {}, IDYES, IDYES, MB_DEFBUTTON2},
        {"a question ignores Esc and its close box", D::IDC_ASK, MB_YESNO,
         {DialogKey::Escape, DialogKey::CloseBox}, IDYES, IDYES},
        {"OK by Enter", D::IDC_TELL, MB_OK, {DialogKey::Enter}, 0, IDOK},
        {"OK by Esc", D::IDC_TELL, MB_OK, {DialogKey::Escape}, 0, IDOK},
        {"OK by the close box", D::IDC_TELL, MB_OK, {DialogKey::CloseBox}, 0, IDOK},
    };
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        CConformanceDlg dlg;
        dlg.m_nAskStyle = MB_YESNO | c.nDefault;
        m_pDriver->Run(dlg, [&](IDriverWindow& w) {
            m_pDriver->ActOnNextMessageBox(c.nButtons, c.keys, c.nClick);
            w.Click(c.nButton);
            EXPECT_TRUE(w.IsOpen());
        });
        EXPECT_EQ(dlg.m_nAnswer, c.nAnswer);
    }
}

TEST_P(Conformance, RejectedValueGetsTheFocusWithAllItsTextSelected)
{
    const int nResult = Run([this](IDriverWindow& w) {
        w.TypeKeys(D::IDC_DIGITS, "00");
        w.TypeKeys(D::IDC_ENTRY, "z");
        m_pDriver->ActOnNextMessageBox(MB_OK, {DialogKey::Enter});
        w.Click(IDOK);
        EXPECT_TRUE(w.IsOpen());
        EXPECT_EQ(w.Focus(), D::IDC_DIGITS);
        EXPECT_EQ(w.Selection(D::IDC_DIGITS), Sel(0, 3));
    });
    EXPECT_EQ(nResult, IDCANCEL);
    EXPECT_EQ(m_dlg.m_nDigits, 700) << "a value that parses is stored, then its range is checked";
}
}  // namespace
