#include "CatalogTestSupport.h"

#include "ChipRules.h"
#include "PinConversions.h"

namespace {

// One field of a form's values and the value a test gives it.
template <class Values, class T>
struct FieldValue {
    T Values::*pField;
    int nValue;
};

template <class Values, class T>
FieldValue<Values, T> Set(T Values::*pField, int nValue)
{
    return {pField, nValue};
}

// Form values with the given fields to bytes, which must be as expected, and back: the
// fields come back as given.
template <class Values, class... T>
void ExpectRoundTrip(ChipSettings (*build)(const Values&), Values (*back)(const ChipSettings&),
                     const ChipSettings& expected, FieldValue<Values, T>... fields)
{
    Values v;
    ((v.*fields.pField = static_cast<T>(fields.nValue)), ...);
    const ChipSettings s = build(v);
    EXPECT_EQ(s, expected);
    const Values read = back(s);
    auto check = [&read](auto field) { EXPECT_EQ(read.*field.pField, field.nValue); };
    (check(fields), ...);
}

}  // namespace

TEST(PinConversions, PinsAndMasksConvertBothWaysAndNothingElseDoes)
{
    // A pin from 1 to 8 is one bit; no pin is 0, and a mask that is not one bit is no pin.
    struct { int nPin; int nMask; } const pins[] = {{0, 0}, {1, 0x01}, {5, 0x10}, {8, 0x80}, {9, 0}, {255, 0}};
    for (const auto& c : pins)
        EXPECT_EQ(PinToMask(static_cast<BYTE>(c.nPin)), c.nMask) << c.nPin;
    for (int m = 0; m < 256; ++m) {
        const bool bOneBit = m != 0 && (m & (m - 1)) == 0;
        const int nPin = MaskToPin(static_cast<BYTE>(m));
        EXPECT_EQ(nPin != 0, bOneBit) << m;
        EXPECT_EQ(PinToMask(static_cast<BYTE>(nPin)), bOneBit ? m : 0) << m;
    }
}

TEST(PinConversions, PatternsAreAlwaysEightBinaryDigits)
{
    struct { BYTE nValue; const char* pszShown; } const cases[] = {
        {0, "00000000"}, {1, "00000001"}, {0x10, "00010000"}, {0xA0, "10100000"}, {0xFF, "11111111"}};
    for (const auto& c : cases)
        EXPECT_EQ(FormatBinary8(c.nValue), c.pszShown);
    for (int v = 0; v < 256; ++v)
        EXPECT_EQ(std::stoi(FormatBinary8(static_cast<BYTE>(v)).Str(), nullptr, 2), v);
}

TEST(PinConversions, PowerPinChecksMirrorTheByte)
{
    int checks[8];
    PowerPinsToChecks(0x81, checks);
    const int expected[8] = {1, 0, 0, 0, 0, 0, 0, 1};
    EXPECT_TRUE(std::equal(checks, checks + 8, expected));
    for (int b = 0; b < 256; ++b) {
        PowerPinsToChecks(static_cast<BYTE>(b), checks);
        EXPECT_EQ(ChecksToPowerPins(checks), b);
    }
    // Box "5" (element 4) ticked on 0x80, then "8" (element 7) cleared.
    PowerPinsToChecks(0x80, checks);
    checks[4] = 1;
    EXPECT_EQ(ChecksToPowerPins(checks), 0x90);
    checks[7] = 0;
    EXPECT_EQ(ChecksToPowerPins(checks), 0x10);
    // Values other than 0 and 1 are summed in 8-bit arithmetic.
    const int odd[8] = {2, 0, 0, 0, 0, 0, 0, 3};
    EXPECT_EQ(ChecksToPowerPins(odd), static_cast<BYTE>(2 + 3 * 128));
}

TEST(ChipRules, I2CBytesFollowTheFormValues)
{
    EXPECT_EQ(BuildI2CSettings(I2CChipValues()),
              SettingsOf({0x80, 0x80, 0x00, 0x01, 0x20, 0x10, 0x10, 0x08, 0xA0, 0x00, 0x10, 0x00}));
    struct { int nLength; BYTE nFormat; } formats[] = {{0, 1}, {255, 1}, {256, 0x11}, {2048, 0x11},
                                                       {2049, 0}, {65536, 0}};
    for (auto f : formats)
        EXPECT_EQ(I2CAddressFormat(f.nLength), f.nFormat) << f.nLength;
    EXPECT_EQ(I2CDeviceAddress(5), 0xA5);
    EXPECT_EQ(I2CDeviceAddress(0x80), 0xA0);
    EXPECT_EQ(I2CDeviceAddress(0xFF), 0xA7);

    using V = I2CChipValues;
    ExpectRoundTrip(BuildI2CSettings, I2CValuesFromSettings,
                    SettingsOf({0x85, 0x2C, 0x01, 0x11, 0x00, 0x80, 0x80, 0x08, 0xA5, 0x00, 0x80, 0x00}),
                    Set(&V::nPowerPins, 0x85), Set(&V::nPinData, 8), Set(&V::nPinClk, 0), Set(&V::nLength, 300),
                    Set(&V::nWriteBuffer, 8));
    // Masks with several bits open as pin 0.
    EXPECT_EQ(I2CValuesFromSettings(SettingsOf({0, 0, 0, 0, 0x30, 0x03})).nPinClk, 0);
}

TEST(ChipRules, MicrowireBytesFollowTheFormValues)
{
    for (int nVariant = 0; nVariant < 3; ++nVariant) {
        MicrowireChipValues v;
        v.nVariant = nVariant;
        EXPECT_EQ(BuildMicrowireSettings(v),
                  SettingsOf({0x80, 0x80, 0x00, 0x06, 0x02, 0x08, 0x04, 0x01, 0x00, 0x08, 0x08, nVariant + 1}));
    }
    using V = MicrowireChipValues;
    ExpectRoundTrip(BuildMicrowireSettings, MicrowireValuesFromSettings,
                    SettingsOf({0x80, 0xFF, 0xFF, 16, 0x02, 0x40, 0x00, 0x01, 0x00, 0x40, 0x40, 1}),
                    Set(&V::nPinDataOut, 7), Set(&V::nPinDataIn, 0), Set(&V::nLength, 65535), Set(&V::nBitsAddress, 16),
                    Set(&V::nPinCs, 1));
    struct { int nKind; int nVariant; } kinds[] = {{0, 0}, {1, 0}, {2, 1}, {3, 2}, {4, 0}, {255, 0}};
    for (auto k : kinds)
        EXPECT_EQ(MicrowireValuesFromSettings(SettingsOf({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, k.nKind})).nVariant,
                  k.nVariant) << k.nKind;
}

// The list window, the forms and orvane-cli all read a kind through this rule.
TEST(ChipRules, KindNamesTheFamilyAndTheMicrowireVariant)
{
    using F = ChipFamily;
    const struct { int nKind; F family; int nVariant; } kinds[] = {
        {0, F::i2c, 0}, {1, F::microwire, 0}, {2, F::microwire, 1}, {3, F::microwire, 2},
        {4, F::other, 0}, {255, F::other, 0}, {-1, F::other, 0},
    };
    for (const auto& k : kinds) {
        const ChipKind kind = ChipKindOf(k.nKind);
        EXPECT_EQ(kind.family, k.family) << k.nKind;
        EXPECT_EQ(kind.nVariant, k.nVariant) << k.nKind;
    }
}

// Each family's values in the order show and export list them, with what the table reads
// from the bytes the form's builder stores; and every byte named once, in byte order.
TEST(ChipRules, TheFieldTableReadsWhatTheFormsStore)
{
    I2CChipValues i2c;
    i2c.nPowerPins = 0x81, i2c.nPinClk = 1, i2c.nPinData = 2, i2c.nWriteBuffer = 64, i2c.nLength = 300;
    MicrowireChipValues mw;
    mw.nVariant = 2, mw.nPowerPins = 0xA0, mw.nPinClk = 5, mw.nPinDataIn = 6, mw.nPinDataOut = 7, mw.nPinCs = 8;
    mw.nBitsAddress = 11, mw.nLength = 1024;
    const struct {
        ChipFamily family;
        ChipSettings s;
        std::vector<std::pair<std::string, int>> shown;
    } forms[] = {
        {ChipFamily::i2c, BuildI2CSettings(i2c),
         {{"power_pins", 0x81}, {"pin_clk", 1}, {"pin_data", 2}, {"write_buffer", 64}, {"length", 300},
          {"address_format", 0x11}, {"device_address", 0xA1}, {"port_write", 0}, {"port_read", 0x02}}},
        {ChipFamily::microwire, BuildMicrowireSettings(mw),
         {{"variant", 2}, {"power_pins", 0xA0}, {"pin_clk", 5}, {"pin_data_in", 6}, {"pin_data_out", 7}, {"pin_cs", 8},
          {"length", 1024}, {"bits_address", 11}, {"port_write", 0x40}, {"port_read", 0x40}}},
    };
    for (const auto& form : forms) {
        std::vector<std::pair<std::string, int>> read;
        for (const ChipField& field : ChipFieldsOf(form.family)) {
            if (field.value != ChipValue::none)
                read.emplace_back(ChipValueInfoOf(field.value).pszKey, field.Read(form.s));
            // A value written back as the form writes it leaves the bytes as they were.
            ChipSettings s = form.s;
            field.Write(s, field.Read(s));
            EXPECT_EQ(s, form.s) << field.pszName;
        }
        EXPECT_EQ(read, form.shown);
    }
    for (ChipFamily family : {ChipFamily::i2c, ChipFamily::microwire, ChipFamily::other}) {
        int nNext = 0;
        for (const ChipField& field : ChipFieldsByByte(family)) {
            EXPECT_EQ(field.nByte, nNext) << field.pszName;
            nNext = field.nByte + field.ByteCount();
        }
        EXPECT_EQ(nNext, int(ChipSettings::Size));
    }
}
