#include "SetupFormTestSupport.h"

#include "ChipRules.h"

using namespace setup_test;

namespace {

const std::vector<CString> kTypes = {"I2C EEPROM", "Microwire x8", "Microwire x16", "Microwire"};
constexpr int kI2C = -1;  // the form's variant for the I2C form

// A chip as typed into a form: its name, its length and the form's other figure (the
// write buffer of an I2C chip, the address bits of a Microwire one).
struct TypedChip {
    int nVariant;
    const char* pszName;
    int nLength;
    int nFigure;
};

ChipSettings SettingsOf(const TypedChip& c)
{
    if (c.nVariant == kI2C) {
        I2CChipValues v;
        v.nLength = c.nLength;
        v.nWriteBuffer = static_cast<BYTE>(c.nFigure);
        return BuildI2CSettings(v);
    }
    MicrowireChipValues v;
    v.nVariant = c.nVariant;
    v.nLength = c.nLength;
    v.nBitsAddress = static_cast<BYTE>(c.nFigure);
    return BuildMicrowireSettings(v);
}

int FigureBox(const TypedChip& c)
{
    return c.nVariant == kI2C ? IDC_WRITE_BUFFER : IDC_BITS_ADDRESS;
}

class PartQuestionTest : public SetupFormFixture {
protected:
    void SetUp() override
    {
        SetupFormFixture::SetUp();
        SaveCatalog(kTypes, {});
    }

    int Run(const TypedChip& c, bool bNew, int nIndex, HeadlessScript script)
    {
        return c.nVariant == kI2C ? RunI2C(bNew, nIndex, std::move(script), bNew ? "" : c.pszName)
                                  : RunMicrowire(bNew, nIndex, c.nVariant, std::move(script), bNew ? "" : c.pszName);
    }

    static void TypeChip(CHeadlessDialog& d, const TypedChip& c)
    {
        d.Type(IDC_NAME, c.pszName);
        d.Type(IDC_LENGTH, CString(std::to_string(c.nLength)));
        d.Type(FigureBox(c), CString(std::to_string(c.nFigure)));
    }
};

// Each contradiction the check finds, in the words of the form, with the box that takes
// the focus on No.
const struct {
    TypedChip chip;
    const char* pszLines;
    int nFocus;
} kQuestions[] = {
    {{kI2C, "24LC64", 4096, 32}, "24LC64 is a 24xx64, which holds 8192 bytes; Lenght is 4096.", IDC_LENGTH},
    {{kI2C, "AT24C16", 2048, 32}, "AT24C16 is a 24xx16, which writes 16 bytes a page; Write buffer is 32.",
     IDC_WRITE_BUFFER},
    {{kI2C, "24C02", 128, 32},
     "24C02 is a 24xx02, which holds 256 bytes; Lenght is 128.\n"
     "24C02 is a 24xx02, which writes 8 bytes a page; Write buffer is 32.",
     IDC_LENGTH},
    {{kI2C, "93C66", 512, 8}, "93C66 is a 93xx66, a Microwire part; this form sets up I2C chips.", IDC_NAME},
    {{0, "24C02", 256, 9}, "24C02 is a 24xx02, an I2C part; this form sets up Microwire chips.", IDC_NAME},
    {{0, "93C46", 256, 7}, "93C46 is a 93xx46, which holds 128 bytes; Lenght is 256.", IDC_LENGTH},
    {{0, "93LC66B", 512, 9},
     "93LC66B is a 93xx66, x16 only (suffix B); the type \"Microwire x8\" is x8.", IDC_NAME},
    {{1, "93AA46A", 128, 6},
     "93AA46A is a 93xx46, x8 only (suffix A); the type \"Microwire x16\" is x16.", IDC_NAME},
    {{0, "93C56", 256, 8},
     "93C56 is a 93xx56, which takes 9 address bits in x8 (the type \"Microwire x8\"); Bits address is 8.",
     IDC_BITS_ADDRESS},
    {{2, "93LC66B", 512, 9},
     "93LC66B is a 93xx66, which takes 8 address bits in x16 (suffix B); Bits address is 9.", IDC_BITS_ADDRESS},
    {{2, "93C66", 512, 7},
     "93C66 is a 93xx66, which takes 9 address bits in x8 or 8 in x16; Bits address is 7.", IDC_BITS_ADDRESS},
};

TEST_F(PartQuestionTest, NoKeepsTheFormAndTheFileAndYesSavesAsTyped)
{
    for (const auto& q : kQuestions) {
        const TypedChip& c = q.chip;
        SCOPED_TRACE(std::string(c.pszName) + " in variant " + std::to_string(c.nVariant));
        const std::vector<BYTE> before = FileBytes();
        const CString strQuestion = CString(q.pszLines) + "\nSave anyway?";
        m_backend.ActOnMessageBox(MB_YESNO, {DialogKey::Enter});  // No is the default
        m_backend.AnswerMessageBox(IDYES);
        const int nResult = Run(c, true, 0, [&](CHeadlessDialog& d) {
            TypeChip(d, c);
            d.Click(IDOK);
            ASSERT_FALSE(d.IsEnded());
            EXPECT_EQ(FileBytes(), before);
            EXPECT_EQ(d.Text(IDC_NAME), c.pszName);
            EXPECT_EQ(d.Text(IDC_LENGTH), CString(std::to_string(c.nLength)));
            EXPECT_EQ(d.Text(FigureBox(c)), CString(std::to_string(c.nFigure)));
            EXPECT_EQ(d.Focus(), q.nFocus);
            EXPECT_EQ(d.Selection(q.nFocus), std::make_pair(0, d.Text(q.nFocus).GetLength()));
            d.Click(IDOK);
        });
        EXPECT_EQ(nResult, IDOK);
        EXPECT_EQ(Messages(), (std::vector<CString>{strQuestion, strQuestion}));
        CChipCatalog catalog;
        Reload(catalog);
        const int nLast = catalog.GetEntryCount() - 1;
        EXPECT_EQ(catalog.GetEntryName(nLast), c.pszName);
        EXPECT_EQ(HexOf(catalog.GetSettings(nLast)), HexOf(SettingsOf(c)));
        m_backend.ClearMessages();
    }
}

TEST_F(PartQuestionTest, NothingIsAskedWhereThePartNumberHasNothingToSay)
{
    const TypedChip kQuiet[] = {
        {kI2C, "Boot ROM", 7, 200},       // no part number
        {kI2C, "24C164", 100, 200},       // not a 24xx16
        {kI2C, "24LC64", 8192, 32},       // agrees
        {kI2C, "24LC256", 32768, 16},     // a buffer within the page
        {kI2C, "FM24C64", 8192, 64},      // page not known for the maker
        {kI2C, "M24C02-W", 256, 16},      // ST's 2 Kbit page
        {kI2C, "24LC512", 65535, 128},    // 64 KiB: beyond the Length field
        {kI2C, "24LC1025", 0, 128},
        {0, "93C46", 128, 7},             // x8 as the type says
        {1, "93C46", 128, 6},             // x16 as the type says
        {2, "93C66", 512, 9},             // either organisation's figure
        {2, "93C66", 512, 8},
    };
    for (const TypedChip& c : kQuiet) {
        Run(c, true, 0, [&](CHeadlessDialog& d) {
            TypeChip(d, c);
            d.Click(IDOK);
            EXPECT_TRUE(d.IsEnded()) << c.pszName;
        });
    }
    EXPECT_EQ(Messages(), std::vector<CString>{});
    EXPECT_EQ(EntryNames().size(), std::size(kQuiet));
}

TEST_F(PartQuestionTest, EditAsksOnlyAboutWhatThisSessionChanged)
{
    // Two chips whose stored figures contradict their names, saved without the forms.
    const TypedChip kWrongI2C = {kI2C, "24LC64", 4096, 64};
    const TypedChip kWrongMicrowire = {0, "93C56", 128, 8};
    SaveCatalog(kTypes, {{kWrongI2C.pszName, SettingsOf(kWrongI2C)},
                         {kWrongMicrowire.pszName, SettingsOf(kWrongMicrowire)}});
    const std::vector<BYTE> before = FileBytes();
    const struct {
        const TypedChip& chip;
        int nIndex;
        int nBox;  // 0: OK without a change
        const char* pszText;
        const char* pszLines;  // nullptr: no question
    } kEdits[] = {
        {kWrongI2C, 0, 0, "", nullptr},
        {kWrongI2C, 0, IDC_PIN_CLK, "3", nullptr},
        {kWrongI2C, 0, IDC_LENGTH, "2048", "24LC64 is a 24xx64, which holds 8192 bytes; Lenght is 2048."},
        {kWrongI2C, 0, IDC_WRITE_BUFFER, "16", nullptr},
        {kWrongI2C, 0, IDC_NAME, "24LC64 spare",
         "24LC64 is a 24xx64, which holds 8192 bytes; Lenght is 4096.\n"
         "24LC64 is a 24xx64, which writes 32 bytes a page; Write buffer is 64."},
        {kWrongMicrowire, 1, 0, "", nullptr},
        {kWrongMicrowire, 1, IDC_LENGTH, "255", "93C56 is a 93xx56, which holds 256 bytes; Lenght is 255."},
        {kWrongMicrowire, 1, IDC_BITS_ADDRESS, "7",
         "93C56 is a 93xx56, which takes 9 address bits in x8 (the type \"Microwire x8\"); Bits address is 7."},
    };
    for (const auto& e : kEdits) {
        SCOPED_TRACE(std::string(e.chip.pszName) + " " + std::to_string(e.nBox) + " " + e.pszText);
        if (e.pszLines)
            m_backend.AnswerMessageBox(IDNO);
        Run(e.chip, false, e.nIndex, [&](CHeadlessDialog& d) {
            if (e.nBox)
                d.Type(e.nBox, e.pszText);
            d.Click(IDOK);
            EXPECT_EQ(d.IsEnded(), e.pszLines == nullptr);
            if (!d.IsEnded())
                d.Click(IDCANCEL);
        });
        const std::vector<CString> expected =
            e.pszLines ? std::vector<CString>{CString(e.pszLines) + "\nSave anyway?"} : std::vector<CString>{};
        EXPECT_EQ(Messages(), expected);
        m_backend.ClearMessages();
        // Only the write buffer edit changes the file's figures; put the file back.
        WriteRawFile(before);
    }
}

}  // namespace
