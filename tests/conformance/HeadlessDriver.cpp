#include "ConformanceTest.h"
#include "HeadlessBackend.h"

namespace {
class CHeadlessDriverWindow : public IDriverWindow {
public:
    explicit CHeadlessDriverWindow(CHeadlessDialog& dlg) : m_dlg(dlg) {}

    void Press(DialogKey key) override { m_dlg.Press(key); }
    void Click(int nID) override { m_dlg.Click(nID); }
    void TypeKeys(int nID, const char* pszKeys) override { m_dlg.TypeKeys(nID, pszKeys); }
    int Focus() const override { return m_dlg.Focus(); }
    std::pair<int, int> Selection(int nID) const override { return m_dlg.Selection(nID); }
    CString Text(int nID) const override { return m_dlg.Text(nID); }
    std::vector<CString> Rows(int nID) const override { return m_dlg.Rows(nID); }
    bool IsOpen() const override { return !m_dlg.IsEnded(); }

private:
    CHeadlessDialog& m_dlg;
};

class CHeadlessDriver : public IConformanceDriver {
public:
    ~CHeadlessDriver() override
    {
        EXPECT_TRUE(m_backend.Failures().empty()) << m_backend.Failures().front().GetString();
        EXPECT_TRUE(m_backend.AllScriptsUsed());
    }

    int Run(CDialog& dlg, std::function<void(IDriverWindow&)> script) override
    {
        m_backend.ExpectDialog(dlg.GetTemplateID(), [script](CHeadlessDialog& d) {
            CHeadlessDriverWindow window(d);
            script(window);
            if (!d.IsEnded())
                d.EndModal(IDCANCEL);
        });
        return dlg.DoModal();
    }

    void ActOnNextMessageBox(UINT nButtons, std::vector<DialogKey> keys, int nClick) override
    {
        m_backend.ActOnMessageBox(nButtons, std::move(keys), nClick);
    }

private:
    CHeadlessBackend m_backend;
};

std::unique_ptr<IConformanceDriver> MakeHeadlessDriver() { return std::make_unique<CHeadlessDriver>(); }
}  // namespace

INSTANTIATE_TEST_SUITE_P(Headless, Conformance, ::testing::Values(&MakeHeadlessDriver));
