#include "ConformanceTest.h"
#include "NativeProbe.h"
#include "Win32TestSupport.h"
#include "Win32Backend.h"
#include "Win32DialogWindow.h"

namespace {
namespace N = NativeProbe;

// A guard ends a modal loop a script failed to end; it is not a timing check.
constexpr unsigned kGuardMs = 5000;

int VirtualKey(DialogKey key)
{
    switch (key) {
    case DialogKey::Enter:
        return N::kReturn;
    case DialogKey::Escape:
        return N::kEscape;
    case DialogKey::Tab:
    case DialogKey::ShiftTab:
        return N::kTab;
    case DialogKey::Help:
        return N::kF1;
    case DialogKey::CloseBox:
        break;
    }
    return N::kCloseBoxKey;
}

std::wstring Widen(const char* pszKeys)
{
    std::wstring str;
    for (const char* p = pszKeys; *p; ++p)
        str += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    return str;
}

// The user at a real dialog window: keys go to the focused control through the dialog's
// modal loop, and what the script reads comes from the controls themselves.
class CWin32DriverWindow : public IDriverWindow {
public:
    explicit CWin32DriverWindow(CWin32DialogWindow& wnd) : m_wnd(wnd) {}

    void Press(DialogKey key) override
    {
        if (key == DialogKey::CloseBox)
            N::CloseBox();
        else
            N::PressKey(VirtualKey(key), key == DialogKey::ShiftTab);
    }
    // A user cannot click a control that is disabled.
    void Click(int nID) override
    {
        if (m_wnd.IsControlEnabled(nID))
            N::Click(nID);
    }
    void TypeKeys(int nID, const char* pszKeys) override { N::TypeKeys(nID, Widen(pszKeys)); }
    int Focus() const override { return N::FocusID(); }
    std::pair<int, int> Selection(int nID) const override { return N::EditSelection(nID); }
    CString Text(int nID) const override { return CString(N::ControlText(nID).c_str()); }
    std::vector<CString> Rows(int nID) const override
    {
        std::vector<CString> rows;
        for (const std::string& strRow : N::ListRowsShown(nID))
            rows.emplace_back(strRow.c_str());
        return rows;
    }
    bool IsOpen() const override { return N::IsShown(m_wnd.Handle()); }

private:
    CWin32DialogWindow& m_wnd;
};

class CWin32Driver : public CBackendDriver<CreateWin32Backend> {
public:
    int Run(CDialog& dlg, std::function<void(IDriverWindow&)> script) override
    {
        bool bRan = false;
        bool bGuarded = false;
        const unsigned nGuard = N::StartGuard(kGuardMs, [&dlg, &bGuarded] {
            bGuarded = true;
            N::EndMessageBoxes();
            dlg.EndDialog(IDCANCEL);
        });
        int nResult = 0;
        try {
            nResult = RunWhenShown(dlg, [&](CWin32DialogWindow& wnd) {
                CWin32DriverWindow window(wnd);
                script(window);
                if (window.IsOpen())
                    wnd.EndModal(IDCANCEL);
            }, bRan);
        } catch (...) {
            N::StopGuard(nGuard);
            throw;
        }
        N::StopGuard(nGuard);
        EXPECT_TRUE(bRan) << "the script did not run";
        EXPECT_FALSE(bGuarded) << "a modal loop was left running";
        return nResult;
    }

    void ActOnNextMessageBox(UINT nButtons, std::vector<DialogKey> keys, int nClick) override
    {
        std::vector<int> virtualKeys;
        for (DialogKey key : keys)
            virtualKeys.push_back(VirtualKey(key));
        const int nExpectedButtons = nButtons == MB_YESNO ? 2 : 1;
        N::ActOnNextMessageBox(std::move(virtualKeys), nClick, [nExpectedButtons](const N::BoxReport& report) {
            EXPECT_TRUE(report.bFound) << "no message box opened";
            EXPECT_EQ(report.nButtons, nExpectedButtons);
            EXPECT_FALSE(report.bLeftOpen) << "the message box was left open";
        });
    }
};

std::unique_ptr<IConformanceDriver> MakeWin32Driver() { return std::make_unique<CWin32Driver>(); }
}  // namespace

INSTANTIATE_TEST_SUITE_P(Win32, Conformance, ::testing::Values(&MakeWin32Driver));
