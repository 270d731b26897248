#include "support/ChipTypesFixture.h"

#include "EditStringDlg.h"

namespace types_test {
namespace {

using EditStringDlgTest = ChipTypesFixture;

TEST_F(EditStringDlgTest, OpensWithTheTextAndOkFocusedSoEnterKeepsIt)
{
    CEditStringDlg dlg;
    dlg.m_strText = "Microwire x8";
    m_backend.ExpectDialog(IDD_EDIT_STRING, [](CHeadlessDialog& d) {
        EXPECT_EQ(d.Text(IDC_STRING_TEXT), "Microwire x8");
        EXPECT_EQ(d.Focus(), IDOK);
        d.PressEnter();
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strText, "Microwire x8");
}

TEST_F(EditStringDlgTest, OkTakesWhateverTheBoxHoldsEmptyAndEightBitIncluded)
{
    const CString texts[] = {"", "  padded  ", "\xC0\xE1\xE2 x16"};
    for (const CString& strTyped : texts) {
        CEditStringDlg dlg;
        dlg.m_strText = "old";
        m_backend.ExpectDialog(IDD_EDIT_STRING, [&](CHeadlessDialog& d) {
            d.Type(IDC_STRING_TEXT, strTyped);
            d.Click(IDOK);
        });
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(dlg.m_strText, strTyped);
    }
}

TEST_F(EditStringDlgTest, CancelEscapeAndCloseBoxEndWithCancel)
{
    const std::function<void(CHeadlessDialog&)> ways[] = {
        [](CHeadlessDialog& d) { d.Click(IDCANCEL); },
        [](CHeadlessDialog& d) { d.PressEscape(); },
        [](CHeadlessDialog& d) { d.CloseBox(); },
    };
    for (const auto& end : ways) {
        CEditStringDlg dlg;
        dlg.m_strText = "kept";
        m_backend.ExpectDialog(IDD_EDIT_STRING, [&](CHeadlessDialog& d) {
            d.Type(IDC_STRING_TEXT, "typed");
            end(d);
        });
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
        EXPECT_EQ(dlg.m_strText, "kept");
    }
}

}  // namespace
}  // namespace types_test
