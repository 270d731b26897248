#include "ConformanceDlg.h"
#include "Resource.h"
#include "Templates.h"
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
    IDialogWindow& Window() { return *m_dlg.GetWindow(); }
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
    int nBig = 0, nSmall = 0;
    RunScript(dlg, [&] {
        nBig = N::WindowIconSize(N::TopDialog(), true);
        nSmall = N::WindowIconSize(N::TopDialog(), false);
        N::PressKey(N::kEscape);
    });
    EXPECT_EQ(nBig, 32);
    EXPECT_EQ(nSmall, 16);
}

TEST(Win32IconTest, IconResourceHoldsTheTemplatePixels)
{
    const IconResource* pIcon = FindOrvaneIcon(IDR_MAINFRAME);
    ASSERT_NE(pIcon, nullptr);
    for (const IconImage& image : pIcon->images) {
        const std::vector<long> pixels = N::IconPixels(IDR_MAINFRAME, image.cx);
        EXPECT_EQ(pixels.size(), static_cast<std::size_t>(image.cx * image.cy));
        int nWrong = 0;
        for (std::size_t n = 0; n < pixels.size(); ++n) {
            const char ch = image.pszPixels[n];
            const int nIndex = ch >= '0' && ch <= '9' ? ch - '0' : ch >= 'a' && ch <= 'f' ? ch - 'a' + 10 : -1;
            const long nWanted = nIndex < 0 ? -1L : static_cast<long>(g_afxPalette16[nIndex]);
            nWrong += pixels[n] == nWanted ? 0 : 1;
        }
        EXPECT_EQ(nWrong, 0);
    }
}
