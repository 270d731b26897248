#include "ConformanceDlg.h"
#include "Resource.h"
#include "Templates.h"
#include "WinApp.h"
#include "Win32TestSupport.h"

#include <string>

// What the system's own controls and windows do under the Win32 backend, beyond what the
// conformance cases drive on every backend.
namespace {
using D = CConformanceDlg;
namespace N = NativeProbe;

class Win32BehaviourTest : public ::testing::Test {
protected:
    void SetUp() override { InstallProbeAndAppResources(); }
    CDialogWindow& Window() { return *m_dlg.GetWindow(); }
    D m_dlg;
};

// A dialog that ends itself before it is shown.
class CEndAtOnceDlg : public CDialog {
public:
    CEndAtOnceDlg() : CDialog(D::IDD) {}

protected:
    BOOL OnInitDialog() override
    {
        EndDialog(5);
        return TRUE;
    }
};

// The probe with the application's icon as its window icons.
class CIconDlg : public D {
protected:
    BOOL OnInitDialog() override
    {
        HICON hIcon = AfxFindIcon(IDR_MAINFRAME);
        SetIcon(hIcon, TRUE);
        SetIcon(hIcon, FALSE);
        return D::OnInitDialog();
    }
};
}  // namespace

TEST_F(Win32BehaviourTest, ListKeysSelectRowsAndNotify)
{
    RunScript(m_dlg, [this] {
        Window().SetFocusTo(D::IDC_LIST);
        N::PressKey(N::kHome);
        EXPECT_EQ(Window().ListGetCurSel(D::IDC_LIST), 0);
        N::PressKey(N::kDown);
        EXPECT_EQ(Window().ListGetCurSel(D::IDC_LIST), 1);
        N::PressKey(N::kEnd);
        EXPECT_EQ(Window().ListGetCurSel(D::IDC_LIST), 4);
        EXPECT_EQ(m_dlg.SelChanges(), 3);
        // In a list without a selection the first key selects the row with the focus
        // rectangle, as the system's list box does; the second moves.
        Window().ListSetStrings(D::IDC_LIST, {"a", "b", "c"});
        N::PressKey(N::kEnd);
        EXPECT_EQ(Window().ListGetCurSel(D::IDC_LIST), 0);
        N::PressKey(N::kEnd);
        EXPECT_EQ(Window().ListGetCurSel(D::IDC_LIST), 2);
        N::PressKey(N::kEscape);
    });
}

TEST_F(Win32BehaviourTest, CharactersTheCodePageLacksAreRefused)
{
    RunScript(m_dlg, [this] {
        // The dialog manager selects an edit box's text when the focus moves to it.
        Window().SetFocusTo(D::IDC_ENTRY);
        EXPECT_EQ(N::EditSelection(D::IDC_ENTRY), (std::pair<int, int>(0, 5)));
        N::TypeText(L"a\u4E2D\u00E9b");
        // "a", e acute (0xE9 in the Western page) and "b"; the CJK character is refused.
        EXPECT_EQ(Window().GetText(D::IDC_ENTRY).Str(), std::string("a\xE9" "b"));
        N::PressKey(N::kEscape);
    });
}

TEST_F(Win32BehaviourTest, BoxWithoutAutoScrollStopsTakingTextWhenFull)
{
    RunScript(m_dlg, [this] {
        Window().SetFocusTo(D::IDC_NARROW);
        N::TypeText(std::wstring(60, L'W'));
        const int nLength = Window().GetText(D::IDC_NARROW).GetLength();
        EXPECT_TRUE(nLength > 0 && nLength < 60) << nLength;
        N::PressKey(N::kEscape);
    });
}

TEST_F(Win32BehaviourTest, MessageBoxesCarryTheProgramNameAndReturnTheAnswer)
{
    for (int nButton : {IDYES, IDNO}) {
        D dlg;
        MessageBoxAnswer answer;
        RunScript(dlg, [&answer, nButton] {
            answer.AnswerNext(N::TopDialog(), nButton);
            N::Click(D::IDC_ASK);
            N::PressKey(N::kEscape);
        });
        EXPECT_TRUE(answer.bSeen);
        EXPECT_EQ(answer.strCaption, "win32_backend_test");
        EXPECT_EQ(answer.strText, "Go on?");
        EXPECT_EQ(dlg.m_nAnswer, nButton);
    }
}

// A title or message that names a path is UTF-8 and shows any script; an ANSI one goes
// through the code page, as every other window text does.
TEST_F(Win32BehaviourTest, TitlesAndMessagesShowPathsInAnyScript)
{
    const std::string strPath = u8"C:\\\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC \u65E5\u672C\\Progr.ini";
    std::string strTitle, strAnsiTitle;
    MessageBoxAnswer answer;
    RunScript(m_dlg, [&] {
        m_dlg.SetWindowText(CDisplayText::FromUtf8("Orvane - " + strPath));
        strTitle = N::WindowTextUtf8(N::TopDialog());
        m_dlg.SetWindowText(CString("Caf\xE9"));
        strAnsiTitle = N::WindowTextUtf8(N::TopDialog());
        answer.AnswerNext(N::TopDialog(), IDOK);
        AfxMessageBox(CDisplayText::FromUtf8("Cannot save " + strPath + "."));
        N::PressKey(N::kEscape);
    });
    EXPECT_EQ(strTitle, "Orvane - " + strPath);
    EXPECT_EQ(strAnsiTitle, u8"Caf\u00E9");
    EXPECT_EQ(answer.strText, "Cannot save " + strPath + ".");
}

TEST_F(Win32BehaviourTest, AHandlerFailureDestroysTheWindowBeforeItReachesTheCaller)
{
    m_dlg.m_bThrowFromAct = true;
    EXPECT_THROW(RunScript(m_dlg, [] { N::Click(D::IDC_ACT); }), int);
    EXPECT_EQ(N::TopDialog(), nullptr);
}

TEST_F(Win32BehaviourTest, DialogEndedWhileStartingIsNeverShown)
{
    CEndAtOnceDlg dlg;
    EXPECT_EQ(dlg.DoModal(), 5);
    EXPECT_EQ(N::TopDialog(), nullptr);
}

TEST_F(Win32BehaviourTest, WindowIconsAreSetBigAndSmall)
{
    CIconDlg dlg;
    int nBig = 0, nSmall = 0, nBigAfter = 0, nSmallAfter = 0;
    RunScript(dlg, [&] {
        nBig = N::WindowIconSize(N::TopDialog(), true);
        nSmall = N::WindowIconSize(N::TopDialog(), false);
        // A change of scale loads the icons again at the window's scale; a message sent
        // by hand does not move the window to another screen, so the sizes stay.
        N::SendDpiChanged(N::TopDialog(), 144);
        nBigAfter = N::WindowIconSize(N::TopDialog(), true);
        nSmallAfter = N::WindowIconSize(N::TopDialog(), false);
        N::PressKey(N::kEscape);
    });
    EXPECT_EQ(nBig, 32);
    EXPECT_EQ(nSmall, 16);
    EXPECT_EQ(nBigAfter, 32);
    EXPECT_EQ(nSmallAfter, 16);
}

TEST(Win32IconTest, IconHasAnImageForEverySizeWindowsAsksFor)
{
    // Small and big icons at 100 % to 200 %, and Explorer's largest.
    for (int nSize : {16, 24, 32, 48, 64, 256})
        EXPECT_EQ(N::IconImageSize(IDR_MAINFRAME, nSize), nSize);
}
