#include "support/ChipTypesFixture.h"

#include "TypeSelectDlg.h"

#include <filesystem>
#include <sys/stat.h>

namespace types_test {
namespace {

using TypeSelectDlgTest = ChipTypesFixture;

TEST_F(TypeSelectDlgTest, ListsTypesInFileOrderAndReturnsThePosition)
{
    Save({"zeta", "Alpha", "mid"}, {});
    CTypeSelectDlg dlg;
    EXPECT_EQ(RunTypes(dlg, [](CHeadlessDialog& d) {
        EXPECT_EQ(d.Rows(IDC_TYPE_LIST), (std::vector<CString>{"zeta", "Alpha", "mid"}));
        EXPECT_EQ(d.CurSel(IDC_TYPE_LIST), -1);
        EXPECT_EQ(d.Focus(), IDOK);
        d.SelectRow(IDC_TYPE_LIST, 2);
        d.Click(IDOK);
    }), IDOK);
    EXPECT_EQ(dlg.m_nType, 2);
}

TEST_F(TypeSelectDlgTest, OkRewritesTheFileEvenUnchangedAndWithoutSelection)
{
    // The type name "A" with a longer length prefix than needed: it loads, and a save
    // writes the shortest form, so the bytes show that OK wrote the file.
    WriteRawFile({0x01, 0x00, 0xFF, 0x01, 0x00, 0x41, 0x00, 0x00, 0x00, 0x00});
    CTypeSelectDlg dlg;
    EXPECT_EQ(RunTypes(dlg, [](CHeadlessDialog& d) { d.Click(IDOK); }), IDOK);
    EXPECT_EQ(dlg.m_nType, -1);
    EXPECT_EQ(FileBytes(), (Bytes{0x01, 0x00, 0x01, 0x41, 0x00, 0x00, 0x00, 0x00}));
}

TEST_F(TypeSelectDlgTest, NoFileListsNothingAndOkCreatesAnEmptyCatalogue)
{
    CTypeSelectDlg dlg;
    EXPECT_EQ(RunTypes(dlg, [](CHeadlessDialog& d) {
        EXPECT_TRUE(d.Rows(IDC_TYPE_LIST).empty());
        d.Click(IDC_EDIT_TYPE);  // nothing to edit: no Edit string opens
        d.Click(IDOK);
    }), IDOK);
    EXPECT_EQ(dlg.m_nType, -1);
    EXPECT_EQ(FileBytes(), (Bytes{0x00, 0x00, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(Opened(), (std::vector<UINT>{IDD_SELECT_TYPE}));
}

TEST_F(TypeSelectDlgTest, EditTypeRenamesThroughEditStringAndClearsTheSelection)
{
    Save(FourTypes(), {{"24C02", 0, 256}});
    CTypeSelectDlg dlg;
    EXPECT_EQ(RunTypes(dlg, [&](CHeadlessDialog& d) {
        d.SelectRow(IDC_TYPE_LIST, 1);
        m_backend.ExpectDialog(IDD_EDIT_STRING, [](CHeadlessDialog& e) {
            EXPECT_EQ(e.Text(IDC_STRING_TEXT), "Microwire x8");
            e.Type(IDC_STRING_TEXT, "93C x8");
            e.Click(IDOK);
        });
        d.Click(IDC_EDIT_TYPE);
        EXPECT_EQ(d.Rows(IDC_TYPE_LIST)[1], "93C x8");
        EXPECT_EQ(d.CurSel(IDC_TYPE_LIST), -1);
        d.Click(IDOK);
    }), IDOK);
    EXPECT_EQ(dlg.m_nType, -1);
    std::vector<CString> expected = FourTypes();
    expected[1] = "93C x8";
    EXPECT_EQ(TypeNames(), expected);
    CChipCatalog catalog;
    Reload(catalog);
    ASSERT_EQ(catalog.GetEntryCount(), 1);
    EXPECT_EQ(catalog.GetSettings(0), SettingsFor({"24C02", 0, 256}));
}

TEST_F(TypeSelectDlgTest, EditToEmptyStoresAnEmptyNameAndCancelledEditKeepsSelection)
{
    Save({"first", "second"}, {});
    CTypeSelectDlg dlg;
    RunTypes(dlg, [&](CHeadlessDialog& d) {
        d.SelectRow(IDC_TYPE_LIST, 0);
        m_backend.ExpectDialog(IDD_EDIT_STRING, [](CHeadlessDialog& e) { e.Click(IDCANCEL); });
        d.Click(IDC_EDIT_TYPE);
        EXPECT_EQ(d.CurSel(IDC_TYPE_LIST), 0);
        m_backend.ExpectDialog(IDD_EDIT_STRING, [](CHeadlessDialog& e) {
            e.Type(IDC_STRING_TEXT, "");
            e.Click(IDOK);
        });
        d.Click(IDC_EDIT_TYPE);
        EXPECT_EQ(d.Rows(IDC_TYPE_LIST), (std::vector<CString>{"", "second"}));
        d.Click(IDOK);
    });
    EXPECT_EQ(TypeNames(), (std::vector<CString>{"", "second"}));
}

TEST_F(TypeSelectDlgTest, CancelAfterAnEditLeavesTheFileAsItWas)
{
    Save(FourTypes(), {{"93C46 x8", 1}});
    const Bytes before = FileBytes();
    CTypeSelectDlg dlg;
    EXPECT_EQ(RunTypes(dlg, [&](CHeadlessDialog& d) {
        RenameType(d, 0, "renamed");
        d.PressEscape();
    }), IDCANCEL);
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(TypeSelectDlgTest, NewAndDeleteStayDisabledButTheirHandlersWork)
{
    Save({"one", "two", "three"}, {});
    CTypeSelectProbe dlg;
    RunTypes(dlg, [&](CHeadlessDialog& d) {
        EXPECT_FALSE(d.Enabled(IDC_NEW_TYPE));
        EXPECT_FALSE(d.Enabled(IDC_DELETE_TYPE));
        d.SelectRow(IDC_TYPE_LIST, 1);
        d.Click(IDC_DELETE_TYPE);
        d.Click(IDC_NEW_TYPE);
        EXPECT_EQ(d.Rows(IDC_TYPE_LIST).size(), 3u);

        m_backend.AnswerMessageBox(IDNO);
        dlg.OnDeleteType();
        EXPECT_EQ(d.Rows(IDC_TYPE_LIST).size(), 3u);
        EXPECT_EQ(d.CurSel(IDC_TYPE_LIST), -1);
        dlg.OnDeleteType();  // nothing selected: no question
        d.SelectRow(IDC_TYPE_LIST, 1);
        m_backend.AnswerMessageBox(IDYES);
        dlg.OnDeleteType();
        EXPECT_EQ(d.Rows(IDC_TYPE_LIST), (std::vector<CString>{"one", "three"}));

        m_backend.ExpectDialog(IDD_EDIT_STRING, [](CHeadlessDialog& e) {
            EXPECT_EQ(e.Text(IDC_STRING_TEXT), "");
            e.Click(IDOK);
        });
        dlg.OnNewType();
        m_backend.ExpectDialog(IDD_EDIT_STRING, [](CHeadlessDialog& e) { e.Click(IDCANCEL); });
        dlg.OnNewType();
        EXPECT_FALSE(d.Enabled(IDC_NEW_TYPE));
        EXPECT_FALSE(d.Enabled(IDC_DELETE_TYPE));
        d.Click(IDOK);
    });
    EXPECT_EQ(Messages(), (std::vector<CString>{"You sure of removing two", "You sure of removing two"}));
    EXPECT_EQ(TypeNames(), (std::vector<CString>{"one", "three", ""}));
}

TEST_F(TypeSelectDlgTest, DamagedFileIsReportedEndsAsCancelAndIsNotWritten)
{
    // Three type names announced, one present.
    const Bytes damaged{0x03, 0x00, 0x01, 0x41};
    WriteRawFile(damaged);
    CTypeSelectDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_NE(std::string(Messages()[0]).find("Progr.ini"), std::string::npos) << Messages()[0].GetString();
    EXPECT_EQ(FileBytes(), damaged);
}

TEST_F(TypeSelectDlgTest, UnreadableFileIsReportedAndLeftAlone)
{
    // A directory opens but cannot be read as a file, whoever runs the test.
    ASSERT_TRUE(std::filesystem::create_directory(CCatalogFile::DefaultFileName));
    CTypeSelectDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(Messages().size(), 1u);
    struct stat st {};
    ASSERT_EQ(::stat(CCatalogFile::DefaultFileName, &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(::rmdir(CCatalogFile::DefaultFileName), 0);
}

TEST_F(TypeSelectDlgTest, FailedSaveIsReportedAndTheDialogStaysOpen)
{
    Save({"I2C"}, {{"24C01", 0}});
    const Bytes before = FileBytes();
    CTypeSelectDlg dlg;
    EXPECT_EQ(RunTypes(dlg, [&](CHeadlessDialog& d) {
        d.SelectRow(IDC_TYPE_LIST, 0);
        FailWrites(ENOSPC);
        d.Click(IDOK);
        EXPECT_FALSE(d.IsEnded());
        EXPECT_EQ(FileBytes(), before);
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_NE(std::string(Messages()[0]).find("Progr.ini"), std::string::npos) << Messages()[0].GetString();
        CCatalogFile::SetWriteHook(nullptr);
        d.Click(IDOK);
    }), IDOK);
    EXPECT_EQ(dlg.m_nType, 0);
    EXPECT_EQ(FileBytes(), before);
}

// Another program changed the file while Select Type was open.
using TypeChangesTest = ChipTypesFixture;

TEST_F(TypeChangesTest, RenamesAddsAndDeletesAreMadeAgainOnTheOtherProgramsFile)
{
    Save(FourTypes(), {});
    m_backend.AnswerMessageBox(IDYES);  // You sure of removing
    CTypeSelectProbe dlg;
    EXPECT_EQ(RunTypes(dlg, [&](CHeadlessDialog& d) {
                  RenameType(d, 1, "93C x8");
                  AnswerEditString("new type");
                  dlg.OnNewType();
                  d.SelectRow(IDC_TYPE_LIST, 3);
                  dlg.OnDeleteType();
                  OtherWriter([](CChipCatalog& c) {
                      c.SetTypeName(0, "I2C renamed elsewhere");
                      c.AddEmptyEntry();
                  });
                  d.Click(IDOK);
              }),
              IDOK);
    EXPECT_EQ(TypeNames(), (std::vector<CString>{"I2C renamed elsewhere", "93C x8", "Microwire x16", "new type"}));
    EXPECT_EQ(EntryNames().size(), 1u);
}

TEST_F(TypeChangesTest, ARenameOfATypeAnotherProgramRenamedAsksAndNoKeepsTheDialogOpen)
{
    Save(FourTypes(), {});
    m_backend.AnswerMessageBox(IDNO);
    m_backend.AnswerMessageBox(IDYES);
    CTypeSelectDlg dlg;
    EXPECT_EQ(RunTypes(dlg, [&](CHeadlessDialog& d) {
                  RenameType(d, 1, "mine");
                  OtherWriter([](CChipCatalog& c) { c.SetTypeName(1, "theirs"); });
                  d.Click(IDOK);
                  EXPECT_FALSE(d.IsEnded());
                  EXPECT_EQ(d.Rows(IDC_TYPE_LIST)[1], "mine");
                  EXPECT_EQ(TypeNames()[1], "theirs");
                  d.Click(IDOK);
              }),
              IDOK);
    EXPECT_EQ(Messages(), (std::vector<CString>{ChangedQuestion(), ChangedQuestion()}));
    EXPECT_EQ(TypeNames()[1], "mine");
}

}  // namespace
}  // namespace types_test
