#include "QtTestSupport.h"

#include "Resource.h"
#include "WinApp.h"

#include <QDialog>
#include <QTest>

#include <cstdlib>
#include <string>

namespace {
// Sets or clears an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* pszName, const char* pszValue) : m_strName(pszName)
    {
        const char* pszOld = std::getenv(pszName);
        m_bHad = pszOld != nullptr;
        m_strOld = pszOld ? pszOld : "";
        if (pszValue)
            setenv(pszName, pszValue, 1);
        else
            unsetenv(pszName);
    }
    ~ScopedEnv()
    {
        if (m_bHad)
            setenv(m_strName.c_str(), m_strOld.c_str(), 1);
        else
            unsetenv(m_strName.c_str());
    }

private:
    std::string m_strName;
    std::string m_strOld;
    bool m_bHad;
};

class StartupTest : public QtDialogTest {};

// Notes whether its window was on screen and painted when Cancel arrived.
class CShownAtCancelDlg : public CDialog {
public:
    CShownAtCancelDlg() : CDialog(IDD_CHIPLIST_DIALOG) {}
    bool m_bShownAtCancel = false;

protected:
    void OnCancel() override
    {
        auto* pWindow = dynamic_cast<CQtDialogWindow*>(GetWindow());
        m_bShownAtCancel = pWindow && pWindow->Widget()->isVisible() && !pWindow->Widget()->visibleRegion().isEmpty();
        CDialog::OnCancel();
    }
};
}  // namespace

// No display at all, or an X display that cannot be reached: either is said in one line,
// for the program to report, instead of aborting; nothing is printed, and the start fails.
TEST_F(StartupTest, AMissingOrUnreachableDisplayIsReportedInOneLineAndFails)
{
    // DISPLAY and what is said; WAYLAND_DISPLAY is unset, or empty where DISPLAY is too.
    const std::pair<const char*, const char*> cases[] = {
        {nullptr, "no display available (set DISPLAY or WAYLAND_DISPLAY)"},
        {":519", "cannot connect to display :519"},
    };
    for (const auto& [pszDisplay, pszSaid] : cases) {
        ScopedEnv display("DISPLAY", pszDisplay), wayland("WAYLAND_DISPLAY", pszDisplay ? nullptr : ""),
            platform("QT_QPA_PLATFORM", nullptr);
        char szName[] = "orvane";
        char* argv[] = {szName, nullptr};
        std::string strProblem;
        testing::internal::CaptureStderr();
        const int nCode = RunQtApplication(1, argv, strProblem);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_EQ(strProblem, pszSaid);
        EXPECT_EQ(nCode, 1);
    }
}

TEST_F(StartupTest, ExitAfterShowEndsOnlyTheFirstDialogOnceItIsPainted)
{
    AfxSetExitAfterShow(true);
    CShownAtCancelDlg first;
    EXPECT_EQ(RunModalScript(first, [](CQtDialogWindow&) {}), IDCANCEL);
    EXPECT_TRUE(first.m_bShownAtCancel);

    CDialog second(IDD_EDIT_STRING);
    bool bStillOpen = false;
    EXPECT_EQ(RunModalScript(second, [&](CQtDialogWindow& wnd) {
        QTest::qWait(50);
        bStillOpen = wnd.Widget()->isVisible();
        wnd.EndModal(IDOK);
    }), IDOK);
    EXPECT_TRUE(bStillOpen);
}
