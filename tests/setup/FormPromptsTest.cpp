#include "SetupFormTestSupport.h"

using namespace setup_test;

namespace {

// A number box of a form; pszOutOfRange is a number its range refuses (none for a box
// that takes every byte). A box whose changes refresh the patterns reports a bad text as
// it is typed, any other box at OK.
struct NumberBox {
    bool bMicrowire;
    int nID;
    const char* pszOutOfRange;
    const char* pszRangePrompt;
    bool bRefreshes;
};

const char* const kRangeBits = "Please enter an integer between 1 and 16.";

const NumberBox kByteBoxes[] = {
    {false, IDC_PIN_CLK, "9", kRangePin, false},        {false, IDC_PIN_DATA, "9", kRangePin, true},
    {false, IDC_WRITE_BUFFER, nullptr, nullptr, false}, {true, IDC_PIN_CLK, "9", kRangePin, false},
    {true, IDC_PIN_DATA_IN, "9", kRangePin, true},      {true, IDC_PIN_DATA_OUT, "9", kRangePin, true},
    {true, IDC_PIN_CS, "9", kRangePin, false},          {true, IDC_BITS_ADDRESS, "17", kRangeBits, false},
};

class FormPromptsTest : public SetupFormFixture {
protected:
    int Run(bool bMicrowire, HeadlessScript script)
    {
        return bMicrowire ? RunMicrowire(true, 0, 0, std::move(script)) : RunI2C(true, 0, std::move(script));
    }

    // Types each text into the box, and presses OK unless the box refreshes: one prompt,
    // the one expected, and the focus in the box, the form still open.
    void ExpectRefused(CHeadlessDialog& d, int nID, bool bRefreshes, const std::vector<const char*>& texts,
                       const char* pszPrompt)
    {
        for (const char* pszText : texts) {
            SCOPED_TRACE(std::string("'") + pszText + "' in box " + std::to_string(nID));
            m_backend.ClearMessages();
            d.Type(nID, pszText);
            if (!bRefreshes)
                d.Click(IDOK);
            EXPECT_FALSE(d.IsEnded());
            EXPECT_EQ(d.Focus(), nID);
            EXPECT_EQ(Messages(), std::vector<CString>{pszPrompt});
        }
    }
};

TEST_F(FormPromptsTest, EveryByteBoxRefusesWhatIsNoByteWithTheBytePrompt)
{
    for (const NumberBox& box : kByteBoxes) {
        Run(box.bMicrowire, [&](CHeadlessDialog& d) {
            ExpectRefused(d, box.nID, box.bRefreshes, {"", "abc", "-1", "+0", "256"}, kNotByte);
            if (box.pszOutOfRange)
                ExpectRefused(d, box.nID, box.bRefreshes, {box.pszOutOfRange}, box.pszRangePrompt);
            d.Click(IDCANCEL);
        });
    }
    // OK never passed.
    CChipCatalog catalog;
    EXPECT_EQ(CCatalogFile::Load(catalog).status, CCatalogFile::noFile);
}

TEST_F(FormPromptsTest, LenghtIsAnIntegerBox)
{
    for (bool bMicrowire : {false, true}) {
        Run(bMicrowire, [&](CHeadlessDialog& d) {
            ExpectRefused(d, IDC_LENGTH, false, {"", "abc", "+0", "-0"}, kNotInteger);
            ExpectRefused(d, IDC_LENGTH, false, {"-1", "65536"}, kRangeLength);
            d.Click(IDCANCEL);
        });
    }
}

// A person mistypes the clock pin, clicks a power pin, changes a data pin, then corrects
// the clock pin and saves. Each action reports the clock pin once, and nothing typed is
// lost: the data pin keeps its new number though the refresh its change ran stopped at
// the clock pin, and OK stores it, with the ports following it.
struct MistypeCase {
    const char* pszName;
    bool bMicrowire;
    int nDataID;
    const char* pszData;
    const char* pszPatternBefore;  // Port Read after the refresh that stopped
    const char* pszStored;
};

const MistypeCase kMistypes[] = {
    {"I2C", false, IDC_PIN_DATA, "4", "00010000", "81 80 00 01 20 08 08 08 A1 00 08 00"},
    {"MicrowireDataIn", true, IDC_PIN_DATA_IN, "4", "00001000", "81 80 00 06 20 08 08 01 00 08 08 01"},
    {"MicrowireDataOut", true, IDC_PIN_DATA_OUT, "5", "00001000", "81 80 00 06 20 10 04 01 00 10 10 01"},
};

class MistypeTest : public SetupFormFixture, public testing::WithParamInterface<MistypeCase> {};

TEST_P(MistypeTest, OnePromptPerActionAndTheTypedPinIsStored)
{
    const MistypeCase& c = GetParam();
    auto script = [&](CHeadlessDialog& d) {
        d.Type(IDC_NAME, "typed first");
        d.Type(IDC_PIN_CLK, "9");
        d.Click(IDC_POWER_PIN1);
        EXPECT_EQ(Messages(), std::vector<CString>{kRangePin});
        EXPECT_EQ(d.Focus(), IDC_PIN_CLK);
        EXPECT_TRUE(d.Checked(IDC_POWER_PIN1));

        d.Type(c.nDataID, c.pszData);
        EXPECT_EQ(Messages(), (std::vector<CString>{kRangePin, kRangePin}));
        EXPECT_EQ(d.Focus(), IDC_PIN_CLK);
        ExpectShown(d, {{IDC_PIN_CLK, "9"}, {c.nDataID, c.pszData}, {IDC_NAME, "typed first"},
                        {IDC_PORT_READ, c.pszPatternBefore}});
        if (!c.bMicrowire) {
            EXPECT_EQ(d.Text(IDC_ADDR_I2C), "10100001");
        }

        d.Type(IDC_PIN_CLK, "6");
        d.Click(IDOK);
        EXPECT_TRUE(d.IsEnded());
    };
    if (c.bMicrowire)
        RunMicrowire(true, 0, 0, script);
    else
        RunI2C(true, 0, script);
    EXPECT_EQ(Messages().size(), 2u);
    CChipCatalog catalog;
    Reload(catalog);
    ASSERT_EQ(catalog.GetEntryCount(), 1);
    EXPECT_EQ(catalog.GetEntryName(0), "typed first");
    EXPECT_EQ(HexOf(catalog.GetSettings(0)), c.pszStored);
}

INSTANTIATE_TEST_SUITE_P(BothForms, MistypeTest, testing::ValuesIn(kMistypes),
                         [](const testing::TestParamInfo<MistypeCase>& info) { return info.param.pszName; });

}  // namespace
