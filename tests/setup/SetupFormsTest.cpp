#include "SetupFormTestSupport.h"

using namespace setup_test;

namespace {

// What the same rule looks like on each form: the pin box whose change refreshes the
// port pattern, and a later box whose bad value must not stop that refresh.
struct FormCase {
    const char* pszName;
    bool bMicrowire;
    int nDataPinID;
    const char* pszDataPin;
    const char* pszPattern;
    int nLaterID;
    const char* pszLaterBad;
    const char* pszLaterPrompt;
    const char* pszDefaults;
};

const FormCase kForms[] = {
    {"I2C", false, IDC_PIN_DATA, "5", "00010000", IDC_LENGTH, "70000", kRangeLength,
     "80 80 00 01 20 10 10 08 A0 00 10 00"},
    {"Microwire", true, IDC_PIN_DATA_OUT, "4", "00001000", IDC_BITS_ADDRESS, "17",
     "Please enter an integer between 1 and 16.", "80 80 00 06 02 08 04 01 00 08 08 01"},
};

class SetupFormsTest : public SetupFormFixture, public testing::WithParamInterface<FormCase> {
protected:
    int Run(bool bNew, int nIndex, HeadlessScript script, const CString& strName = "")
    {
        return GetParam().bMicrowire ? RunMicrowire(bNew, nIndex, 0, std::move(script), strName)
                                     : RunI2C(bNew, nIndex, std::move(script), strName);
    }
};

TEST_P(SetupFormsTest, RefreshStopsAtTheFirstRejectedBox)
{
    const FormCase& f = GetParam();
    Run(true, 0, [&](CHeadlessDialog& d) {
        // The clock pin is read before the data pin: a bad one keeps the new data pin
        // from being read, so the pattern stays, and the box keeps what was typed.
        d.Type(IDC_PIN_CLK, "9");
        d.Type(f.nDataPinID, "7");
        EXPECT_EQ(d.Text(f.nDataPinID), "7");
        EXPECT_EQ(d.Text(IDC_PORT_READ), f.pszPattern);
        // A bad box read after the data pin does not stop it.
        d.Type(IDC_PIN_CLK, "1");
        d.Type(f.nLaterID, f.pszLaterBad);
        d.Type(f.nDataPinID, "6");
        EXPECT_EQ(d.Text(IDC_PORT_READ), "00100000");
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(Messages(), (std::vector<CString>{kRangePin, f.pszLaterPrompt}));
}

TEST_P(SetupFormsTest, LengthIsStoredInSixteenBitsAndLargerOnesRefused)
{
    for (const char* pszLength : {"300", "65535"}) {
        Run(true, 0, [&](CHeadlessDialog& d) {
            d.Type(IDC_LENGTH, pszLength);
            d.Click(IDOK);
        });
    }
    EXPECT_EQ(HexOf(SavedSettings(0)).substr(3, 5), "2C 01");
    EXPECT_EQ(HexOf(SavedSettings(1)).substr(3, 5), "FF FF");

    // Reopening shows the length as stored; 65536 is refused and nothing is written.
    const std::vector<BYTE> before = FileBytes();
    const int nResult = Run(false, 0, [](CHeadlessDialog& d) {
        EXPECT_EQ(d.Text(IDC_LENGTH), "300");
        d.Type(IDC_LENGTH, "65536");
        d.Click(IDOK);
        EXPECT_FALSE(d.IsEnded());
        EXPECT_EQ(d.Focus(), IDC_LENGTH);
        d.Click(IDCANCEL);
    });
    EXPECT_EQ(nResult, IDCANCEL);
    EXPECT_EQ(Messages(), std::vector<CString>{kRangeLength});
    EXPECT_EQ(FileBytes(), before);
}

TEST_P(SetupFormsTest, OutOfRangePinKeepsTheFormOpenUntilCorrected)
{
    const FormCase& f = GetParam();
    Run(true, 0, [&](CHeadlessDialog& d) {
        d.Type(f.nDataPinID, "9");
        d.Click(IDOK);
        EXPECT_FALSE(d.IsEnded());
        EXPECT_EQ(d.Focus(), f.nDataPinID);
        d.Type(f.nDataPinID, f.pszDataPin);
        d.Click(IDOK);
        EXPECT_TRUE(d.IsEnded());
    });
    EXPECT_EQ(Messages(), (std::vector<CString>{kRangePin, kRangePin}));
    EXPECT_EQ(HexOf(SavedSettings(0)), f.pszDefaults);
}

TEST_P(SetupFormsTest, CancelAfterChangesLeavesTheFileAsItWas)
{
    WriteCatalog({{"chip", SettingsFromHex(GetParam().pszDefaults)}});
    const std::vector<BYTE> before = FileBytes();
    for (bool bNew : {true, false}) {
        const int nResult = Run(bNew, 0, [](CHeadlessDialog& d) {
            d.Type(IDC_NAME, "changed");
            d.Click(IDC_POWER_PIN2);
            d.Type(IDC_LENGTH, "1024");
            d.PressEscape();
        }, "chip");
        EXPECT_EQ(nResult, IDCANCEL);
        EXPECT_EQ(FileBytes(), before);
    }
}

TEST_P(SetupFormsTest, EmptyNameIsStoredAsTyped)
{
    WriteCatalog({{"chip", SettingsFromHex(GetParam().pszDefaults)}});
    Run(false, 0, [](CHeadlessDialog& d) {
        d.Type(IDC_NAME, "");
        d.Click(IDOK);
    }, "chip");
    CChipCatalog catalog;
    Reload(catalog);
    EXPECT_EQ(catalog.GetEntryName(0), "");
    EXPECT_EQ(HexOf(catalog.GetSettings(0)), GetParam().pszDefaults);
}

INSTANTIATE_TEST_SUITE_P(BothForms, SetupFormsTest, testing::ValuesIn(kForms),
                         [](const testing::TestParamInfo<FormCase>& info) { return info.param.pszName; });

}  // namespace
