#include "NativeProbe.h"
#include "Resource.h"
#include "Templates.h"
#include "Win32ProbeDlg.h"
#include "Win32TestSupport.h"

#include <string>

namespace {
using P = CWin32ProbeDlg;
namespace N = NativeProbe;

struct ProbeFixture {
    ProbeFixture() { P::InstallResources(); }
    IDialogWindow& Window() { return *dlg.GetWindow(); }
    P dlg;
};

// A dialog that ends itself before it is shown.
class CEndAtOnceDlg : public CDialog {
public:
    CEndAtOnceDlg() : CDialog(P::IDD) {}

protected:
    BOOL OnInitDialog() override
    {
        EndDialog(5);
        return TRUE;
    }
};
}  // namespace

WIN32_TEST(FocusStartsOnFirstTabStopAndTabFollowsTemplateSkippingDisabled)
{
    ProbeFixture f;
    RunScript(f.dlg, [] {
        const int anOrder[] = {IDOK, IDCANCEL, P::IDC_ACT, P::IDC_FLAG, P::IDC_DIGIT, P::IDC_TEXT, P::IDC_LIST,
                               P::IDC_NUMBER, P::IDC_NARROW, P::IDC_ASK, IDOK};
        CHECK_EQ(N::FocusID(), anOrder[0]);
        for (std::size_t n = 1; n < sizeof(anOrder) / sizeof(anOrder[0]); ++n) {
            N::PressKey(N::kTab);
            CHECK_EQ(N::FocusID(), anOrder[n]);
        }
        N::PressKey(N::kEscape);
    });
}

WIN32_TEST(EnterInAnEditEndsThroughOnOkWithTheTypedText)
{
    ProbeFixture f;
    const int nResult = RunScript(f.dlg, [&f] {
        // The dialog manager selects an edit box's text when the focus moves to it.
        f.Window().SetFocusTo(P::IDC_TEXT);
        CHECK_EQ(N::EditSelection(P::IDC_TEXT), (std::pair<int, int>(0, 5)));
        N::TypeText(L"typed");
        N::PressKey(N::kReturn);
    });
    CHECK_EQ(nResult, IDOK);
    CHECK_EQ(f.dlg.m_strText.Str(), std::string("typed"));
}

WIN32_TEST(EnterOnAFocusedButtonClicksItAndEscCancels)
{
    ProbeFixture f;
    const int nResult = RunScript(f.dlg, [&f] {
        f.Window().SetFocusTo(P::IDC_ACT);
        N::PressKey(N::kReturn);
        CHECK_EQ(f.dlg.Count(P::IDC_ACT, BN_CLICKED), 1);
        CHECK(N::TopDialog() != nullptr);
        N::PressKey(N::kEscape);
    });
    CHECK_EQ(nResult, IDCANCEL);
}

WIN32_TEST(CloseBoxGoesThroughOnCancelAndF1AsksForHelpOnce)
{
    ProbeFixture f;
    f.dlg.m_bRefuseCancel = true;
    const int nResult = RunScript(f.dlg, [&f] {
        N::PressKey(N::kF1);
        CHECK_EQ(f.dlg.Count(static_cast<int>(ID_HELP), BN_CLICKED), 1);
        N::CloseBox();
        CHECK_EQ(f.dlg.m_nCancelRefused, 1);
        CHECK(N::TopDialog() != nullptr);
        f.dlg.m_bRefuseCancel = false;
        N::CloseBox();
    });
    CHECK_EQ(nResult, IDCANCEL);
}

WIN32_TEST(EditsNotifyOnlyRealChangesAndNothingDuringUpdateData)
{
    ProbeFixture f;
    RunScript(f.dlg, [&f] {
        // OnInitDialog wrote "start" and 7 while exchanging: no notification yet.
        CHECK_EQ(f.dlg.Count(P::IDC_TEXT, EN_CHANGE), 0);
        CHECK_EQ(f.dlg.Count(P::IDC_NUMBER, EN_CHANGE), 0);
        f.Window().SetFocusTo(P::IDC_TEXT);
        N::TypeText(L"ab");
        CHECK_EQ(f.dlg.Count(P::IDC_TEXT, EN_CHANGE), 2);

        // The handler writes new values with UpdateData(FALSE).
        N::Click(P::IDC_ACT);
        CHECK_EQ(f.Window().GetText(P::IDC_NUMBER).Str(), std::string("8"));
        CHECK_EQ(f.Window().GetText(P::IDC_TEXT).Str(), std::string("start!"));
        CHECK_EQ(f.dlg.Count(P::IDC_TEXT, EN_CHANGE), 2);
        CHECK_EQ(f.dlg.Count(P::IDC_NUMBER, EN_CHANGE), 0);

        // Outside UpdateData a new text notifies, the same text does not.
        f.Window().SetText(P::IDC_TEXT, "other");
        CHECK_EQ(f.dlg.Count(P::IDC_TEXT, EN_CHANGE), 3);
        f.Window().SetText(P::IDC_TEXT, "other");
        CHECK_EQ(f.dlg.Count(P::IDC_TEXT, EN_CHANGE), 3);
        N::PressKey(N::kEscape);
    });
}

WIN32_TEST(ProgramChangesToChecksAndListsRaiseNothing)
{
    ProbeFixture f;
    RunScript(f.dlg, [&f] {
        IDialogWindow& wnd = f.Window();
        wnd.SetCheck(P::IDC_FLAG, 1);
        CHECK_EQ(wnd.GetCheck(P::IDC_FLAG), 1);
        wnd.ListSetStrings(P::IDC_LIST, {"a", "b", "c"});
        wnd.ListSetCurSel(P::IDC_LIST, 2);
        CHECK_EQ(wnd.ListGetCurSel(P::IDC_LIST), 2);
        wnd.ListInsertString(P::IDC_LIST, 0, "z");
        wnd.ListResetContent(P::IDC_LIST);
        CHECK_EQ(wnd.ListGetCurSel(P::IDC_LIST), -1);
        CHECK_EQ(wnd.ListGetCount(P::IDC_LIST), 0);
        N::PressKey(N::kEscape);
    });
    CHECK(f.dlg.m_nCount.empty());
}

WIN32_TEST(ListShowsRowsInTheOrderTheFrameworkGives)
{
    ProbeFixture f;
    RunScript(f.dlg, [&f] {
        // The framework sorted the rows; the control, made without LBS_SORT, keeps them.
        const std::vector<std::string> sorted = {"Alpha", "bravo", "charlie", "delta"};
        CHECK(N::ListRowsShown(P::IDC_LIST) == sorted);
        f.Window().ListInsertString(P::IDC_LIST, 0, "zulu");
        CHECK_EQ(N::ListRowsShown(P::IDC_LIST).front(), std::string("zulu"));
        CHECK_EQ(f.Window().ListGetText(P::IDC_LIST, 0).Str(), std::string("zulu"));
        CHECK_EQ(f.Window().ListGetCount(P::IDC_LIST), 5);
        N::PressKey(N::kEscape);
    });
}

WIN32_TEST(ListKeysSelectRowsAndNotify)
{
    ProbeFixture f;
    RunScript(f.dlg, [&f] {
        f.Window().SetFocusTo(P::IDC_LIST);
        N::PressKey(N::kHome);
        CHECK_EQ(f.Window().ListGetCurSel(P::IDC_LIST), 0);
        N::PressKey(N::kDown);
        CHECK_EQ(f.Window().ListGetCurSel(P::IDC_LIST), 1);
        N::PressKey(N::kEnd);
        CHECK_EQ(f.Window().ListGetCurSel(P::IDC_LIST), 3);
        CHECK_EQ(f.dlg.Count(P::IDC_LIST, LBN_SELCHANGE), 3);
        // In a list without a selection the first key selects the row with the focus
        // rectangle, as the system's list box does; the second moves.
        f.Window().ListSetStrings(P::IDC_LIST, {"a", "b", "c"});
        N::PressKey(N::kEnd);
        CHECK_EQ(f.Window().ListGetCurSel(P::IDC_LIST), 0);
        N::PressKey(N::kEnd);
        CHECK_EQ(f.Window().ListGetCurSel(P::IDC_LIST), 2);
        N::PressKey(N::kEscape);
    });
}

WIN32_TEST(DigitBoxTakesOnlyDigitsAndEveryDigitOfAByte)
{
    ProbeFixture f;
    RunScript(f.dlg, [&f] {
        f.Window().SetFocusTo(P::IDC_DIGIT);
        N::TypeText(L"2a5-5 ");
        CHECK_EQ(f.Window().GetText(P::IDC_DIGIT).Str(), std::string("255"));
        CHECK_EQ(f.dlg.Count(P::IDC_DIGIT, EN_CHANGE), 3);
        N::PressKey(N::kEscape);
    });
}

WIN32_TEST(CharactersTheCodePageLacksAreRefused)
{
    ProbeFixture f;
    RunScript(f.dlg, [&f] {
        f.Window().SetFocusTo(P::IDC_TEXT);
        N::TypeText(L"a\u4E2D\u00E9b");
        // "a", e acute (0xE9 in the Western page) and "b"; the CJK character is refused.
        CHECK_EQ(f.Window().GetText(P::IDC_TEXT).Str(), std::string("a\xE9" "b"));
        N::PressKey(N::kEscape);
    });
}

WIN32_TEST(BytesTheCodePageLacksSurviveAnUntouchedControl)
{
    ProbeFixture f;
    RunScript(f.dlg, [&f] {
        const CString strOdd("\x81\x8D\x90x", 4);
        f.Window().SetText(P::IDC_TEXT, strOdd);
        CHECK(f.Window().GetText(P::IDC_TEXT) == strOdd);
        f.Window().SetText(P::IDC_LABEL, strOdd);
        CHECK(f.Window().GetText(P::IDC_LABEL) == strOdd);
        N::PressKey(N::kEscape);
    });
}

WIN32_TEST(BoxWithoutAutoScrollStopsTakingTextWhenFull)
{
    ProbeFixture f;
    RunScript(f.dlg, [&f] {
        f.Window().SetFocusTo(P::IDC_NARROW);
        N::TypeText(std::wstring(60, L'W'));
        const int nLength = f.Window().GetText(P::IDC_NARROW).GetLength();
        CHECK(nLength > 0 && nLength < 60);
        N::PressKey(N::kEscape);
    });
}

WIN32_TEST(MessageBoxesCarryTheProgramNameAndReturnTheAnswer)
{
    for (int nButton : {IDYES, IDNO}) {
        ProbeFixture f;
        MessageBoxAnswer answer;
        RunScript(f.dlg, [&f, &answer, nButton] {
            answer.AnswerNext(N::TopDialog(), nButton);
            N::Click(P::IDC_ASK);
            N::PressKey(N::kEscape);
        });
        CHECK(answer.bSeen);
        CHECK_EQ(answer.strCaption, std::string("win32_backend_test"));
        CHECK_EQ(answer.strText, std::string("Go on?"));
        CHECK_EQ(f.dlg.m_nAnswer, nButton);
    }
}

WIN32_TEST(FailedRangeCheckPromptsThenSelectsTheBox)
{
    ProbeFixture f;
    MessageBoxAnswer answer;
    const int nResult = RunScript(f.dlg, [&f, &answer] {
        f.Window().SetFocusTo(P::IDC_NUMBER);
        N::TypeText(L"500");
        answer.AnswerNext(N::TopDialog(), IDOK);
        N::PressKey(N::kReturn);
        CHECK(N::TopDialog() != nullptr);
        CHECK_EQ(N::FocusID(), P::IDC_NUMBER);
        CHECK_EQ(N::EditSelection(P::IDC_NUMBER), (std::pair<int, int>(0, 3)));
        N::PressKey(N::kEscape);
    });
    CHECK_EQ(nResult, IDCANCEL);
    CHECK_EQ(answer.strText, std::string("Please enter an integer between 0 and 100."));
}

WIN32_TEST(HandlerFailureEndsTheDialogAndReachesTheCaller)
{
    ProbeFixture f;
    f.dlg.m_bThrowFromAct = true;
    int nCaught = 0;
    try {
        RunScript(f.dlg, [] { N::Click(P::IDC_ACT); });
    } catch (int n) {
        nCaught = n;
    }
    CHECK_EQ(nCaught, 42);
    CHECK(N::TopDialog() == nullptr);
}

WIN32_TEST(DialogEndedWhileStartingIsNeverShown)
{
    P::InstallResources();
    CEndAtOnceDlg dlg;
    CHECK_EQ(dlg.DoModal(), 5);
    CHECK(N::TopDialog() == nullptr);
}

WIN32_TEST(WindowIconsAreSetBigAndSmall)
{
    ProbeFixture f;
    int nBig = 0, nSmall = 0, nBigAfter = 0, nSmallAfter = 0;
    RunScript(f.dlg, [&] {
        nBig = N::WindowIconSize(N::TopDialog(), true);
        nSmall = N::WindowIconSize(N::TopDialog(), false);
        // A change of scale loads the icons again at the window's scale; a message sent
        // by hand does not move the window to another screen, so the sizes stay.
        N::SendDpiChanged(N::TopDialog(), 144);
        nBigAfter = N::WindowIconSize(N::TopDialog(), true);
        nSmallAfter = N::WindowIconSize(N::TopDialog(), false);
        N::PressKey(N::kEscape);
    });
    CHECK_EQ(nBig, 32);
    CHECK_EQ(nSmall, 16);
    CHECK_EQ(nBigAfter, 32);
    CHECK_EQ(nSmallAfter, 16);
}

WIN32_TEST(IconHasAnImageForEverySizeWindowsAsksFor)
{
    // Small and big icons at 100 % to 200 %, and Explorer's largest.
    for (int nSize : {16, 24, 32, 48, 64, 256})
        CHECK_EQ(N::IconImageSize(IDR_MAINFRAME, nSize), nSize);
}

