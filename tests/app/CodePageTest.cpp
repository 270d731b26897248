#include "support/CatalogDirFixture.h"

#include "CatalogApp.h"
#include "ChipListDlg.h"
#include "CodePage.h"
#include "Resource.h"

namespace {

class CodePageTest : public CatalogDirFixture {};

// Runs under a Polish locale (ctest's app_polish), where the names are in Windows-1250.
TEST_F(CodePageTest, PolishNamesAreListedInTheirOrderAndFoundByName)
{
    if (SystemAnsiCodePage() != CodePage::Windows1250)
        GTEST_SKIP() << "needs a Polish locale, such as LC_ALL=pl_PL.UTF-8";
    const CString strLodz("\xA3\xF3\x64\x9F"), strSmall("\xB3\xF3\x64\x9F"), strCapital("\xA3\xD3\x44\x8F" "2");
    SaveCatalog({"I2C"}, {{strCapital, {}}, {"Zebra", {}}, {strLodz, {}}, {strSmall, {}}, {"Lampa", {}}});
    m_backend.AnswerMessageBox(IDYES);
    m_backend.ExpectDialog(IDD_CHIPLIST_DIALOG, [&](CHeadlessDialog& d) {
        // In Polish Ł follows L and comes before Z; case does not count, so ŁÓDŹ2 follows
        // both łódź, which stand where the list box's search put them.
        EXPECT_EQ(d.Rows(IDC_CHIP_LIST), (std::vector<CString>{"Lampa", strSmall, strLodz, strCapital, "Zebra"}));
        EXPECT_EQ(AnsiToUtf32(d.Rows(IDC_CHIP_LIST)[2].Str(), SystemAnsiCodePage()), U"Łódź");
        d.SelectRow(IDC_CHIP_LIST, 2);
        d.Click(IDC_DELETE_CHIP);
        d.Click(IDCANCEL);
    });
    CChipListDlg dlg;
    dlg.DoModal();
    ASSERT_EQ(m_backend.Messages().size(), 1u);
    EXPECT_EQ(m_backend.Messages()[0].strText, CString("You sure of removing ") + strLodz);
    EXPECT_EQ(EntryNames(), (std::vector<CString>{strCapital, "Zebra", strSmall, "Lampa"}));
}

TEST_F(CodePageTest, ADoubleBytePageIsExplainedAndNoWindowOpens)
{
    for (int nPage : {932, 936, 949, 950, 65001}) {
        m_backend.ClearMessages();
        CCatalogApp app;
        app.m_nCodePage = nPage;
        EXPECT_FALSE(app.InitInstance());
        EXPECT_EQ(app.ExitInstance(), 1);
        ASSERT_EQ(m_backend.Messages().size(), 1u);
        const std::string strText = m_backend.Messages()[0].strText.Str();
        EXPECT_EQ(strText, "This system's " + CodePageRefusal(nPage) + ".");
        EXPECT_TRUE(m_backend.OpenedDialogs().empty());
    }
    EXPECT_NE(m_backend.Messages()[0].strText.Str().find("65001 is not supported"), std::string::npos);
}

}  // namespace
