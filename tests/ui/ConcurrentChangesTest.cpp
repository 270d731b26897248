#include "ChipTypesTestSupport.h"
#include "SetupFormTestSupport.h"
#include "TypeSelectDlg.h"

namespace {

const ChipSettings kI2C = SettingsFromHex("80 80 00 01 20 10 10 08 A0 00 10 00");

// Another program's change to Progr.ini, made while a window is open.
void OtherWriter(const std::function<void(CChipCatalog&)>& change)
{
    CChipCatalog catalog;
    ASSERT_TRUE(CCatalogFile::Load(catalog).Ok());
    change(catalog);
    ASSERT_TRUE(CCatalogFile::Save(catalog).Ok());
}

void OtherWriterAdds(const CString& strName)
{
    OtherWriter([&](CChipCatalog& c) {
        c.AddEmptyEntry();
        c.SetEntry(c.GetEntryCount() - 1, strName, kI2C.data());
    });
}

CString ChangedQuestion()
{
    return "Progr.ini was changed by another program since this window read it.\n\n"
           "Save anyway and overwrite those changes?";
}

class FormChangesTest : public setup_test::SetupFormFixture {};

TEST_F(FormChangesTest, ANewChipJoinsTheChipAnotherProgramAddedWhileTheFormWasOpen)
{
    WriteCatalog({{"first", kI2C}});
    EXPECT_EQ(RunI2C(true, 0, [](CHeadlessDialog& d) {
                  OtherWriterAdds("theirs");
                  d.Type(IDC_NAME, "mine");
                  d.Click(IDOK);
              }),
              IDOK);
    EXPECT_EQ(EntryNames(), (std::vector<CString>{"first", "theirs", "mine"}));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(FormChangesTest, AnEditedChipThatStayedPutIsSavedBesideTheOtherChange)
{
    WriteCatalog({{"first", kI2C}, {"second", kI2C}});
    EXPECT_EQ(RunI2C(false, 1, [](CHeadlessDialog& d) {
                  OtherWriter([](CChipCatalog& c) { c.SetEntry(0, "first renamed", kI2C.data()); });
                  d.Type(IDC_NAME, "second renamed");
                  d.Click(IDOK);
              }, "second"),
              IDOK);
    EXPECT_EQ(EntryNames(), (std::vector<CString>{"first renamed", "second renamed"}));
    EXPECT_TRUE(Messages().empty());
}

// The other program changed the edited chip itself, or moved it.
struct MovedChip {
    const char* pszName;
    std::function<void(CChipCatalog&)> change;
};

class FormConflictTest : public setup_test::SetupFormFixture, public testing::WithParamInterface<MovedChip> {};

TEST_P(FormConflictTest, AsksAndNoGoesBackWithEverythingTypedWhileYesOverwrites)
{
    WriteCatalog({{"first", kI2C}, {"second", kI2C}});
    std::vector<BYTE> theirs;
    m_backend.AnswerMessageBox(IDNO);
    m_backend.AnswerMessageBox(IDYES);
    EXPECT_EQ(RunI2C(false, 1, [&](CHeadlessDialog& d) {
                  OtherWriter(GetParam().change);
                  theirs = FileBytes();
                  d.Type(IDC_NAME, "mine");
                  d.Type(IDC_LENGTH, "512");
                  d.Click(IDOK);
                  EXPECT_FALSE(d.IsEnded());
                  EXPECT_EQ(d.Text(IDC_NAME), "mine");
                  EXPECT_EQ(d.Text(IDC_LENGTH), "512");
                  EXPECT_EQ(FileBytes(), theirs);
                  d.Click(IDOK);
              }, "second"),
              IDOK);
    EXPECT_EQ(Messages(), (std::vector<CString>{ChangedQuestion(), ChangedQuestion()}));
    EXPECT_EQ(EntryNames(), (std::vector<CString>{"first", "mine"}));
    EXPECT_EQ(SavedSettings(1)[ChipSettings::LengthHigh], 2);
}

const MovedChip kMovedChips[] = {
    {"Renamed", [](CChipCatalog& c) { c.SetEntry(1, "other name", kI2C.data()); }},
    {"BytesChanged", [](CChipCatalog& c) { c.SetEntry(1, "second", SettingsFromHex("01").data()); }},
    {"Removed", [](CChipCatalog& c) { c.RemoveEntry(1); }},
    {"MovedByAnEarlierRemoval", [](CChipCatalog& c) { c.RemoveEntry(0); }},
};

INSTANTIATE_TEST_SUITE_P(Changes, FormConflictTest, testing::ValuesIn(kMovedChips),
                         [](const testing::TestParamInfo<MovedChip>& info) { return info.param.pszName; });

TEST_F(FormChangesTest, BytesAfterTheCatalogueAreAskedAboutOncePerWindow)
{
    WriteCatalog({{"first", kI2C}});
    std::vector<BYTE> bytes = FileBytes();
    bytes.insert(bytes.end(), {0xEE, 0xEE, 0xEE});
    WriteRawFile(bytes);
    const CString strQuestion = "Progr.ini has 3 bytes after its catalogue, which saving drops.\n\n"
                                "Save anyway and drop them?";
    m_backend.AnswerMessageBox(IDNO);
    m_backend.AnswerMessageBox(IDYES);
    EXPECT_EQ(RunI2C(true, 0, [&](CHeadlessDialog& d) {
                  d.Type(IDC_NAME, "mine");
                  d.Click(IDOK);
                  EXPECT_FALSE(d.IsEnded());
                  EXPECT_EQ(FileBytes(), bytes);
                  d.Click(IDOK);
              }),
              IDOK);
    EXPECT_EQ(Messages(), (std::vector<CString>{strQuestion, strQuestion}));
    EXPECT_EQ(EntryNames(), (std::vector<CString>{"first", "mine"}));
    CChipCatalog catalog;
    EXPECT_EQ(CCatalogFile::Load(catalog).nTrailingBytes, 0u);
}

class ListChangesTest : public types_test::ChipTypesFixture {
protected:
    static void DeleteRow(CHeadlessDialog& d, int nRow)
    {
        d.SelectRow(IDC_CHIP_LIST, nRow);
        d.Click(IDC_DELETE_CHIP);
    }
};

TEST_F(ListChangesTest, DeleteChipRemovesTheNameWhereverAnotherProgramMovedIt)
{
    Save({}, {{"A", 0}, {"B", 0}});
    m_backend.WhileNextMessageShows([] {
        OtherWriter([](CChipCatalog& c) {
            c.RemoveEntry(0);
            c.AddEmptyEntry();
            c.SetEntry(c.GetEntryCount() - 1, "C", kI2C.data());
        });
    });
    m_backend.AnswerMessageBox(IDYES);
    RunChipList([](CHeadlessDialog& d) {
        DeleteRow(d, 1);  // B
        EXPECT_EQ(d.Rows(IDC_CHIP_LIST), std::vector<CString>{"C"});
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(Messages(), std::vector<CString>{"You sure of removing B"});
}

TEST_F(ListChangesTest, DeleteChipOfANameAnotherProgramRemovedAsksAndNoDeletesNothing)
{
    Save({}, {{"A", 0}, {"B", 0}});
    m_backend.WhileNextMessageShows([] { OtherWriter([](CChipCatalog& c) { c.RemoveEntry(1); }); });
    m_backend.AnswerMessageBox(IDYES);
    m_backend.AnswerMessageBox(IDNO);
    RunChipList([](CHeadlessDialog& d) {
        DeleteRow(d, 1);
        EXPECT_EQ(d.Rows(IDC_CHIP_LIST), std::vector<CString>{"A"});
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(Messages(), (std::vector<CString>{"You sure of removing B", ChangedQuestion()}));
    EXPECT_EQ(EntryNames(), std::vector<CString>{"A"});
}

// New and Delete are disabled in the window; their handlers are reached directly.
class CTypesProbe : public CTypeSelectDlg {
public:
    using CTypeSelectDlg::OnDeleteType;
    using CTypeSelectDlg::OnNewType;
};

class TypeChangesTest : public types_test::ChipTypesFixture {
protected:
    // Renames the type in row nRow through Edit string.
    void Rename(CHeadlessDialog& d, int nRow, const CString& strName)
    {
        m_backend.ExpectDialog(IDD_EDIT_STRING, [strName](CHeadlessDialog& e) {
            e.Type(IDC_STRING_TEXT, strName);
            e.Click(IDOK);
        });
        d.SelectRow(IDC_TYPE_LIST, nRow);
        d.Click(IDC_EDIT_TYPE);
    }

    int RunTypes(CHeadlessBackend::Script script)
    {
        m_backend.ExpectDialog(IDD_SELECT_TYPE, std::move(script));
        return m_dlg.DoModal();
    }

    CTypesProbe m_dlg;
};

TEST_F(TypeChangesTest, RenamesAddsAndDeletesAreMadeAgainOnTheOtherProgramsFile)
{
    Save(types_test::FourTypes(), {});
    m_backend.AnswerMessageBox(IDYES);  // You sure of removing
    EXPECT_EQ(RunTypes([&](CHeadlessDialog& d) {
                  Rename(d, 1, "93C x8");
                  m_backend.ExpectDialog(IDD_EDIT_STRING, [](CHeadlessDialog& e) {
                      e.Type(IDC_STRING_TEXT, "new type");
                      e.Click(IDOK);
                  });
                  m_dlg.OnNewType();
                  d.SelectRow(IDC_TYPE_LIST, 3);
                  m_dlg.OnDeleteType();
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
    Save(types_test::FourTypes(), {});
    m_backend.AnswerMessageBox(IDNO);
    m_backend.AnswerMessageBox(IDYES);
    EXPECT_EQ(RunTypes([&](CHeadlessDialog& d) {
                  Rename(d, 1, "mine");
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
