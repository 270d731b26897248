#include "CliTestSupport.h"

namespace {

const ChipSettings kI2C = {{0x80, 0x80, 0, 1, 0x20, 0x10, 0x10, 8, 0xA0, 0, 0x10, 0}};
const ChipSettings kMicrowire = {{0x80, 0x80, 0, 6, 2, 8, 4, 1, 0, 8, 8, 1}};

ChipSettings With(ChipSettings s, std::initializer_list<std::pair<int, int>> changes)
{
    for (auto [nByte, nValue] : changes)
        s[nByte] = static_cast<BYTE>(nValue);
    return s;
}

int CountLines(const std::string& s)
{
    return static_cast<int>(std::count(s.begin(), s.end(), '\n'));
}

}  // namespace

class CheckTest : public CliTest {};

TEST_F(CheckTest, FindsOneOfEachProblemAndNamesTheEntry)
{
    CChipCatalog catalog;
    const struct {
        const char* pszName;
        ChipSettings settings;
        const char* pszFinding;
    } cases[] = {
        {"clean", kI2C, nullptr},
        {"multi", With(kI2C, {{4, 0x03}}), "warning: CLK mask 0x03 (3) has several bits set; the form opens it as pin 0"},
        {"nodata", With(kI2C, {{5, 0}, {6, 0}, {10, 0}}), "warning: DATA mask is 0: no pin is set"},
        {"kind7", With(kI2C, {{11, 7}}), "error: kind 7 is above 3: no form opens it"},
        {"format", With(kI2C, {{2, 1}}), "warning: AddressFormat holds 0x01 (1); the form stores 0x11 (17)"},
        {"datain", With(kI2C, {{6, 0x20}}), "warning: DataInMask holds 0x20 (pin 6); the form stores 0x10 (pin 5)"},
        {"device", With(kI2C, {{8, 0xA3}}), "warning: DeviceAddress holds 0xA3 (10100011); the form stores 0xA0"},
        {"portw", With(kI2C, {{9, 1}}), "warning: PortWrite holds 0x01 (00000001); the form stores 0x00"},
        {"mwport", With(kMicrowire, {{10, 0x10}}), "warning: PortRead holds 0x10 (00010000); the form stores 0x08"},
        {"mwdevice", With(kMicrowire, {{8, 0xA0}}), "warning: Byte8 holds 0xA0 (160); the form stores 0x00 (0)"},
        {"bits0", With(kMicrowire, {{3, 0}}), "error: bits address 0 is outside 1..16"},
        {"bits17", With(kMicrowire, {{3, 17}}), "error: bits address 17 is outside 1..16"},
        {"sameline", With(kMicrowire, {{7, 0x08}}), "warning: DATAO and CS are both on pin 4"},
        {"clean", kMicrowire, "warning: same name as #0: Edit chip and rm reach only #0"},
    };
    int nExpected = 0;
    for (const auto& c : cases) {
        AddEntry(catalog, c.pszName, c.settings);
        nExpected += c.pszFinding != nullptr;
    }
    Save(catalog);
    CliResult r = Run({"check"});
    EXPECT_EQ(r.nExit, 2);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        if (!cases[i].pszFinding)
            continue;
        std::string strLine = "Progr.ini: #" + std::to_string(i) + " \"" + cases[i].pszName + "\": " + cases[i].pszFinding;
        EXPECT_NE(r.strOut.find(strLine), std::string::npos) << strLine << "\n--- got:\n" << r.strOut;
    }
    EXPECT_EQ(CountLines(r.strOut), nExpected + 1) << r.strOut;
    EXPECT_NE(r.strOut.find("Progr.ini: 14 chips, 3 errors, 10 warnings\n"), std::string::npos) << r.strOut;
}

TEST_F(CheckTest, CleanFileGivesOnlyTheSummary)
{
    CChipCatalog catalog;
    catalog.AddTypeName("I2C");
    AddEntry(catalog, "24C01", kI2C);  // 128 bytes, 8-byte page: what its part number says
    for (int nKind = 1; nKind <= 3; ++nKind)
        AddEntry(catalog, "93C" + std::to_string(nKind), With(kMicrowire, {{11, nKind}}));
    Save(catalog);
    CliResult r = Run({"check"});
    EXPECT_EQ(r.nExit, 0);
    EXPECT_EQ(r.strOut, "Progr.ini: 4 chips, 0 errors, 0 warnings\n");
}

TEST_F(CheckTest, WarningsAloneExitOne)
{
    CChipCatalog catalog;
    AddEntry(catalog, "a", kI2C);
    AddEntry(catalog, "a", kI2C);
    Save(catalog);
    EXPECT_EQ(Run({"check"}).nExit, 1);
}

TEST_F(CheckTest, FileProblemsAreFoundWithTheirOffsets)
{
    CChipCatalog catalog;
    AddEntry(catalog, "24C02", kI2C);
    Save(catalog);
    const Bytes good = ReadFile();  // 00 00, the count, 05 "24C02", 12 bytes: 24 in all

    WriteFile(Bytes(good.begin(), good.end() - 5));
    CliResult r = Run({"check"});
    EXPECT_EQ(r.nExit, 2);
    EXPECT_NE(r.strOut.find("error: the file ends at byte offset 19 inside the settings of #0 (7 of 12 bytes)"),
              std::string::npos) << r.strOut;

    WriteFile(Bytes(good.begin(), good.begin() + 9));
    r = Run({"check"});
    EXPECT_EQ(r.nExit, 2);
    EXPECT_NE(r.strOut.find("Progr.ini: error: damaged: An attempt was made to access Progr.ini past its end "
                            "(entry 0 name, byte offset 6)."), std::string::npos) << r.strOut;
    EXPECT_NE(r.strOut.find("not loaded, 1 error, 0 warnings"), std::string::npos) << r.strOut;

    Bytes longer = good;
    longer.push_back(0x42);
    WriteFile(longer);
    r = Run({"check"});
    EXPECT_EQ(r.nExit, 1);
    EXPECT_NE(r.strOut.find("warning: 1 bytes follow the catalogue from byte offset 24"), std::string::npos);

    (void)std::remove("Progr.ini");
    r = Run({"check"});
    EXPECT_EQ(r.nExit, 2);
    EXPECT_EQ(r.strErr, "orvane-cli: Progr.ini: no such file\n");
}
