#include "SetupFormTestSupport.h"

namespace {

const ChipSettings kI2C = SettingsFromHex("80 80 00 01 20 10 10 08 A0 00 10 00");

// Another program changed the file while a form was open.
class FormChangesTest : public setup_test::SetupFormFixture {};

TEST_F(FormChangesTest, ANewChipJoinsTheChipAnotherProgramAddedWhileTheFormWasOpen)
{
    WriteCatalog({{"first", kI2C}});
    EXPECT_EQ(RunI2C(true, 0, [](CHeadlessDialog& d) {
                  OtherWriter([](CChipCatalog& c) {
                      c.AddEmptyEntry();
                      c.SetEntry(c.GetEntryCount() - 1, "theirs", kI2C.data());
                  });
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

}  // namespace
