#include "support/ChipTypesFixture.h"

#include "CatalogApp.h"
#include "CodePage.h"

namespace types_test {
namespace {

class CodePageTest : public ChipTypesFixture {};

// Runs under a Polish locale (ctest's app_polish), where the names are in Windows-1250.
TEST_F(CodePageTest, PolishNamesAreListedInTheirOrderAndFoundByName)
{
    if (SystemAnsiCodePage() != CodePage::Windows1250)
        GTEST_SKIP() << "needs a Polish locale, such as LC_ALL=pl_PL.UTF-8";
    const CString strLodz("\xA3\xF3\x64\x9F"), strSmall("\xB3\xF3\x64\x9F"), strCapital("\xA3\xD3\x44\x8F" "2");
    SaveCatalog({"I2C"}, {{strCapital, {}}, {"Zebra", {}}, {strLodz, {}}, {strSmall, {}}, {"Lampa", {}}});
    m_backend.AnswerMessageBox(IDYES);
    RunChipList([&](CHeadlessDialog& d) {
        // In Polish Ł follows L and comes before Z; case does not count, so ŁÓDŹ2 follows
        // both łódź, which stand where the list box's search put them.
        EXPECT_EQ(d.Rows(IDC_CHIP_LIST), (std::vector<CString>{"Lampa", strSmall, strLodz, strCapital, "Zebra"}));
        EXPECT_EQ(AnsiToUtf32(d.Rows(IDC_CHIP_LIST)[2].Str(), SystemAnsiCodePage()), U"Łódź");
        d.SelectRow(IDC_CHIP_LIST, 2);
        d.Click(IDC_DELETE_CHIP);
        d.Click(IDCANCEL);
    });
    ASSERT_EQ(m_backend.Messages().size(), 1u);
    EXPECT_EQ(m_backend.Messages()[0].strText, CString("You sure of removing ") + strLodz);
    EXPECT_EQ(EntryNames(), (std::vector<CString>{strCapital, "Zebra", strSmall, "Lampa"}));
}

// A name of each double-byte page whose trail bytes are a backslash or a letter, and a
// character to type after it, as stored.
struct DoubleByteName {
    CodePage cp;
    CString strName;
    std::u32string text;
    CString strTyped;
};

const DoubleByteName kNames[] = {
    {CodePage::Windows932, "\x95\x5C\x8E\xA6\x83\x5C\x83\x74\x83\x67", U"表示ソフト", "\x83\x5C\xB1"},  // ソｱ
    {CodePage::Windows936, "\x81\x54Test", U"乀Test", "\x81\x54"},
    {CodePage::Windows949, "\x81\x41\x8C\x63", U"갂똠", "\x81\x41"},
    {CodePage::Windows950, "\xB3\x5C\xA5\x5C", U"許功", "\xBB\x5C"},  // 蓋
};

// Runs under a Japanese, Chinese or Korean locale (ctest's app_japanese and the others):
// the name is listed as its characters, and Edit chip and OK keep its bytes, or add the
// typed character's.
TEST_F(CodePageTest, DoubleByteNamesAreListedAndKeptThroughEditChip)
{
    const DoubleByteName* pName = nullptr;
    for (const DoubleByteName& name : kNames) {
        if (name.cp == SystemAnsiCodePage())
            pName = &name;
    }
    if (!pName)
        GTEST_SKIP() << "needs a Japanese, Chinese or Korean locale, such as LC_ALL=ja_JP.UTF-8";
    Save(FourTypes(), {{"Zebra", 0, 256}, {pName->strName, 0, 256}});
    for (const bool bType : {false, true}) {
        RunChipList([&](CHeadlessDialog& d) {
            const int nRow = RowOf(d, IDC_CHIP_LIST, pName->strName);
            ASSERT_GE(nRow, 0);
            EXPECT_EQ(AnsiToUtf32(d.Rows(IDC_CHIP_LIST)[nRow].Str(), pName->cp), pName->text);
            m_backend.ExpectDialog(IDD_SETUP_I2C, [&](CHeadlessDialog& f) {
                EXPECT_EQ(f.Text(IDC_NAME), pName->strName);
                if (bType)
                    f.TypeKeys(IDC_NAME, pName->strTyped);
                f.Type(IDC_LENGTH, "1024");
                f.Click(IDOK);
            });
            d.SelectRow(IDC_CHIP_LIST, nRow);
            d.Click(IDC_EDIT_CHIP);
            d.Click(IDCANCEL);
        });
        CChipCatalog catalog;
        Reload(catalog);
        EXPECT_EQ(catalog.GetEntryName(1), bType ? pName->strName + pName->strTyped : pName->strName);
        EXPECT_EQ(catalog.GetSettings(1), SettingsFor({"", 0, 1024}));
        if (!bType)
            continue;
        // The name as changed is found by name, a trail byte no end of a character.
        EXPECT_EQ(catalog.FindEntryByName(pName->strName + pName->strTyped), 1);
        EXPECT_EQ(catalog.FindEntryByName(pName->strName), -1);
    }
}

TEST_F(CodePageTest, AnUnsupportedPageIsExplainedAndNoWindowOpens)
{
    for (int nPage : {1361, 20932, 54936}) {
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
}

}  // namespace
}  // namespace types_test
