#include "support/CatalogDirFixture.h"
#include "support/SettingsBytes.h"

#include "ChipListDlg.h"
#include "Resource.h"

#include <filesystem>
#include <sys/stat.h>

namespace {

ChipSettings Kind(BYTE nKind)
{
    ChipSettings s;
    s[ChipSettings::Kind] = nKind;
    return s;
}

class ChipListDlgTest : public CatalogDirFixture {
protected:
    // Runs the chip list window; the script acts inside it.
    void Run(HeadlessScript script)
    {
        m_backend.ExpectDialog(IDD_CHIPLIST_DIALOG, [&](CHeadlessDialog& d) {
            script(d);
            if (!d.IsEnded())
                d.Click(IDCANCEL);
        });
        CChipListDlg dlg;
        EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    }

    // Selects a row and clicks Delete Chip.
    static void DeleteRow(CHeadlessDialog& d, int nRow)
    {
        d.SelectRow(IDC_CHIP_LIST, nRow);
        d.Click(IDC_DELETE_CHIP);
    }
};

TEST_F(ChipListDlgTest, MissingFileShowsAnEmptyListSilently)
{
    Run([](CHeadlessDialog& d) {
        EXPECT_TRUE(d.Rows(IDC_CHIP_LIST).empty());
        EXPECT_EQ(d.Focus(), IDCANCEL);
        for (int nID : {IDC_ADD_NEW, IDC_EDIT_CHIP, IDC_DELETE_CHIP})
            EXPECT_TRUE(d.Enabled(nID));
        EXPECT_NE(d.BigIcon(), nullptr);
        EXPECT_EQ(d.BigIcon(), d.SmallIcon());
    });
    EXPECT_TRUE(m_backend.Messages().empty());
}

TEST_F(ChipListDlgTest, RowsAreSortedWithoutCaseOneRowPerEntry)
{
    SaveCatalog({"I2C"}, {{"b", {}}, {"A", {}}, {"", {}}, {"a", {}}, {"A", {}}});
    Run([](CHeadlessDialog& d) {
        EXPECT_EQ(d.Rows(IDC_CHIP_LIST), (std::vector<CString>{"", "A", "a", "A", "b"}));
        EXPECT_EQ(d.CurSel(IDC_CHIP_LIST), -1);
    });
}

TEST_F(ChipListDlgTest, DeleteRemovesTheFirstEntryOfThatNameOnly)
{
    ChipSettings first = Kind(1);
    ChipSettings second = Kind(2);
    SaveCatalog({"I2C"}, {{"X", first}, {"x", {}}, {"X", second}});
    m_backend.AnswerMessageBox(IDYES);
    m_backend.AnswerMessageBox(IDYES);
    Run([&](CHeadlessDialog& d) {
        DeleteRow(d, 0);  // rows: X, x, X
        EXPECT_EQ(d.Rows(IDC_CHIP_LIST), (std::vector<CString>{"X", "x"}));
        EXPECT_EQ(d.CurSel(IDC_CHIP_LIST), -1);
        CChipCatalog catalog;
        CCatalogFile::Load(catalog);
        EXPECT_EQ(catalog.GetKind(1), 2) << "the later X survives";
        DeleteRow(d, 0);
        EXPECT_EQ(d.Rows(IDC_CHIP_LIST), std::vector<CString>{"x"});
    });
    EXPECT_EQ(m_backend.MessageTexts(), (std::vector<CString>{"You sure of removing X", "You sure of removing X"}));
    EXPECT_EQ(m_backend.Messages()[0].nType & 0xF, MB_YESNO);
    EXPECT_EQ(EntryNames(), std::vector<CString>{"x"});
}

TEST_F(ChipListDlgTest, EmptyNameRowDeletesTheFirstEmptyNamedEntry)
{
    SaveCatalog({}, {{"A", {}}, {"", Kind(3)}, {"", {}}});
    m_backend.AnswerMessageBox(IDYES);
    Run([](CHeadlessDialog& d) { DeleteRow(d, 0); });
    EXPECT_EQ(m_backend.MessageTexts(), std::vector<CString>{"You sure of removing "});
    CChipCatalog catalog;
    CCatalogFile::Load(catalog);
    ASSERT_EQ(catalog.GetEntryCount(), 2);
    EXPECT_EQ(catalog.GetKind(1), 0);
}

TEST_F(ChipListDlgTest, AnsweringNoOrNothingSelectedChangesNothing)
{
    SaveCatalog({"I2C"}, {{"24C02", {}}});
    const std::vector<BYTE> before = FileBytes();
    m_backend.AnswerMessageBox(IDNO);
    Run([](CHeadlessDialog& d) {
        d.Click(IDC_DELETE_CHIP);  // nothing selected: no question at all
        DeleteRow(d, 0);
        EXPECT_EQ(d.Rows(IDC_CHIP_LIST), std::vector<CString>{"24C02"});
        EXPECT_EQ(d.CurSel(IDC_CHIP_LIST), -1);
    });
    EXPECT_EQ(m_backend.Messages().size(), 1u);
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(ChipListDlgTest, NameGoneFromTheFileAsksNothingAndRefreshes)
{
    SaveCatalog({}, {{"Old", {}}});
    Run([&](CHeadlessDialog& d) {
        SaveCatalog({}, {{"New", {}}});  // another program changed the file
        DeleteRow(d, 0);
        EXPECT_EQ(d.Rows(IDC_CHIP_LIST), std::vector<CString>{"New"});
    });
    EXPECT_TRUE(m_backend.Messages().empty());
}

TEST_F(ChipListDlgTest, FailedSaveIsReportedAndTheEntryStays)
{
    SaveCatalog({}, {{"Keep", {}}});
    const std::vector<BYTE> before = FileBytes();
    FailWrites(ENOSPC);
    m_backend.AnswerMessageBox(IDYES);
    Run([](CHeadlessDialog& d) {
        DeleteRow(d, 0);
        EXPECT_EQ(d.Rows(IDC_CHIP_LIST), std::vector<CString>{"Keep"});
    });
    CCatalogFile::SetWriteHook(nullptr);
    ASSERT_EQ(m_backend.Messages().size(), 2u);
    EXPECT_NE(m_backend.Messages()[1].strText.Str().find("Progr.ini"), std::string::npos);
    EXPECT_NE(m_backend.Messages()[1].strText.Str().find("No space left"), std::string::npos);
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(ChipListDlgTest, DamagedFileIsReportedListedEmptyAndNeverSavedOver)
{
    SaveCatalog({"I2C"}, {{"A", {}}, {"B", {}}});
    std::vector<BYTE> bytes = FileBytes();
    bytes.resize(bytes.size() - 14);  // cut inside the last name
    WriteRawFile(bytes);
    Run([](CHeadlessDialog& d) {
        EXPECT_TRUE(d.Rows(IDC_CHIP_LIST).empty());
        d.Click(IDC_DELETE_CHIP);
    });
    ASSERT_EQ(m_backend.Messages().size(), 1u);
    const std::string text = m_backend.Messages()[0].strText.Str();
    EXPECT_NE(text.find("Progr.ini"), std::string::npos) << text;
    EXPECT_NE(text.find("entry 1"), std::string::npos) << text;
    EXPECT_EQ(FileBytes(), bytes);
}

TEST_F(ChipListDlgTest, UnreadableFileIsNotTakenForAMissingOne)
{
    ASSERT_TRUE(std::filesystem::create_directory("Progr.ini"));
    Run([](CHeadlessDialog& d) { EXPECT_TRUE(d.Rows(IDC_CHIP_LIST).empty()); });
    ASSERT_EQ(m_backend.Messages().size(), 1u);
    EXPECT_NE(m_backend.Messages()[0].strText.Str().find("Progr.ini"), std::string::npos);
}

TEST_F(ChipListDlgTest, EnterEndsTheWindowLikeCancel)
{
    m_backend.ExpectDialog(IDD_CHIPLIST_DIALOG, [](CHeadlessDialog& d) {
        d.SetFocusTo(IDC_CHIP_LIST);
        d.PressEnter();
        EXPECT_TRUE(d.IsEnded());
    });
    CChipListDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

// Another program changed the file while the question of Delete Chip was on screen.
using ListChangesTest = ChipListDlgTest;

const ChipSettings kI2C = SettingsFromHex("80 80 00 01 20 10 10 08 A0 00 10 00");

TEST_F(ListChangesTest, DeleteChipRemovesTheNameWhereverAnotherProgramMovedIt)
{
    SaveCatalog({}, {{"A", kI2C}, {"B", kI2C}});
    m_backend.WhileNextMessageShows([] {
        OtherWriter([](CChipCatalog& c) {
            c.RemoveEntry(0);
            c.AddEmptyEntry();
            c.SetEntry(c.GetEntryCount() - 1, "C", kI2C.data());
        });
    });
    m_backend.AnswerMessageBox(IDYES);
    Run([](CHeadlessDialog& d) {
        DeleteRow(d, 1);  // B
        EXPECT_EQ(d.Rows(IDC_CHIP_LIST), std::vector<CString>{"C"});
    });
    EXPECT_EQ(Messages(), std::vector<CString>{"You sure of removing B"});
}

TEST_F(ListChangesTest, DeleteChipOfANameAnotherProgramRemovedAsksAndNoDeletesNothing)
{
    SaveCatalog({}, {{"A", kI2C}, {"B", kI2C}});
    m_backend.WhileNextMessageShows([] { OtherWriter([](CChipCatalog& c) { c.RemoveEntry(1); }); });
    m_backend.AnswerMessageBox(IDYES);
    m_backend.AnswerMessageBox(IDNO);
    Run([](CHeadlessDialog& d) {
        DeleteRow(d, 1);
        EXPECT_EQ(d.Rows(IDC_CHIP_LIST), std::vector<CString>{"A"});
    });
    EXPECT_EQ(Messages(), (std::vector<CString>{"You sure of removing B", ChangedQuestion()}));
    EXPECT_EQ(EntryNames(), std::vector<CString>{"A"});
}

}  // namespace
