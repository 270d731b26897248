#include "SetupFormTestSupport.h"

using namespace setup_test;

namespace {

// The box of each power pin, pin 1 first: the right column's IDs run downwards.
const int kBoxOfPin[8] = {1004, 1005, 1006, 1007, 1011, 1010, 1009, 1008};

class PowerPinsTest : public BothFormsTest {
protected:
    static BYTE Shown(const CHeadlessDialog& d)
    {
        BYTE nPins = 0;
        for (int i = 0; i < 8; ++i)
            nPins = static_cast<BYTE>(nPins | (d.Checked(kBoxOfPin[i]) ? 1 << i : 0));
        return nPins;
    }
};

TEST_P(PowerPinsTest, StoredPinsOpenInTheirOwnBoxes)
{
    std::vector<BYTE> samples = {0x00, 0x81, 0xFF, 0x5A};
    for (int i = 0; i < 8; ++i)
        samples.push_back(static_cast<BYTE>(1 << i));
    std::vector<std::pair<CString, ChipSettings>> entries;
    for (BYTE n : samples) {
        ChipSettings s = SettingsFromHex("00 80 00 06 02 08 04 01 00 08 08 01");
        s[ChipSettings::PowerPins] = n;
        entries.push_back({"chip", s});
    }
    WriteCatalog(entries);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        Run(false, static_cast<int>(i), [&](CHeadlessDialog& d) {
            EXPECT_EQ(Shown(d), samples[i]) << "entry " << i;
            d.Click(IDOK);
        });
        EXPECT_EQ(SavedSettings(static_cast<int>(i))[ChipSettings::PowerPins], samples[i]);
    }
}

TEST_P(PowerPinsTest, ClicksChangeOnlyTheirOwnBit)
{
    Run(true, 0, [](CHeadlessDialog& d) {
        EXPECT_EQ(Shown(d), 0x80);
        d.Click(IDC_POWER_PIN5);
        EXPECT_EQ(Shown(d), 0x90);
        d.Click(IDC_POWER_PIN8);
        EXPECT_EQ(Shown(d), 0x10);
        d.Click(IDOK);
    });
    EXPECT_EQ(SavedSettings(0)[ChipSettings::PowerPins], 0x10);
}

TEST_P(PowerPinsTest, ClickIsTakenEvenWhenALaterBoxIsRejected)
{
    Run(true, 0, [](CHeadlessDialog& d) {
        d.Type(IDC_PIN_CLK, "9");
        d.Click(IDC_POWER_PIN2);
        // The click reads the boxes once, so the clock pin is reported once.
        EXPECT_EQ(d.Text(IDC_PIN_CLK), "9");
        EXPECT_EQ(d.Focus(), IDC_PIN_CLK);
        d.Type(IDC_PIN_CLK, "1");
        d.Click(IDOK);
    });
    EXPECT_EQ(Messages(), (std::vector<CString>{kRangePin}));
    ChipSettings s = SavedSettings(0);
    EXPECT_EQ(s[ChipSettings::PowerPins], 0x82);
    EXPECT_EQ(s[ChipSettings::ClkMask], 0x01);
}

INSTANTIATE_TEST_SUITE_P(BothForms, PowerPinsTest, ::testing::Bool(), PowerPinsTest::FormName);

class PowerPinPatternsTest : public SetupFormFixture {};

TEST_F(PowerPinPatternsTest, I2CAddressFollowsPinsOneToThreeAfterEachClick)
{
    struct Step { int nBox; const char* pszAddr; };
    const Step steps[] = {
        {IDC_POWER_PIN1, "10100001"}, {IDC_POWER_PIN2, "10100011"}, {IDC_POWER_PIN3, "10100111"},
        {IDC_POWER_PIN4, "10100111"}, {IDC_POWER_PIN5, "10100111"}, {IDC_POWER_PIN6, "10100111"},
        {IDC_POWER_PIN7, "10100111"}, {IDC_POWER_PIN8, "10100111"}, {IDC_POWER_PIN2, "10100101"},
        {IDC_POWER_PIN1, "10100100"}, {IDC_POWER_PIN3, "10100000"},
    };
    RunI2C(true, 0, [&](CHeadlessDialog& d) {
        for (const Step& step : steps) {
            d.Click(step.nBox);
            EXPECT_EQ(d.Text(IDC_ADDR_I2C), step.pszAddr) << "box " << step.nBox;
            EXPECT_EQ(d.Text(IDC_PORT_READ), "00010000");
            EXPECT_EQ(d.Text(IDC_PORT_WRITE), "00000000");
        }
        d.Click(IDOK);
    });
    // Pins 4 to 7 stay ticked, 8 was cleared: 0x78, address 0xA0.
    ChipSettings s = SavedSettings(0);
    EXPECT_EQ(s[ChipSettings::PowerPins], 0x78);
    EXPECT_EQ(s[ChipSettings::DeviceAddress], 0xA0);
}

TEST_F(PowerPinPatternsTest, MicrowirePatternsIgnoreThePowerPins)
{
    RunMicrowire(true, 0, 0, [](CHeadlessDialog& d) {
        for (int nBox : kBoxOfPin) {
            d.Click(nBox);
            EXPECT_EQ(d.Text(IDC_PORT_READ), "00001000");
            EXPECT_EQ(d.Text(IDC_PORT_WRITE), "00001000");
        }
        d.Click(IDOK);
    });
    EXPECT_EQ(SavedSettings(0)[ChipSettings::PowerPins], 0x7F);
}

}  // namespace
