#include "CliTestSupport.h"

#include "ChipRules.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>

namespace {

const char* const kTypes[] = {"I2C EEPROM", "Microwire x8", "Microwire x16", "Microwire x16 (variant 2)"};

ChipSettings I2C(int nLength, int nWriteBuffer)
{
    I2CChipValues v;
    v.nLength = nLength;
    v.nWriteBuffer = static_cast<BYTE>(nWriteBuffer);
    return BuildI2CSettings(v);
}

ChipSettings Microwire(int nKind, int nLength, int nBits)
{
    MicrowireChipValues v;
    v.nVariant = nKind - 1;
    v.nLength = nLength;
    v.nBitsAddress = static_cast<BYTE>(nBits);
    return BuildMicrowireSettings(v);
}

int Length(const ChipSettings& s)
{
    return s[ChipSettings::LengthLow] + 256 * s[ChipSettings::LengthHigh];
}

}  // namespace

class PartCommandsTest : public CliTest {
protected:
    void SetUp() override
    {
        CliTest::SetUp();
        CChipCatalog catalog;
        for (const char* pszType : kTypes)
            catalog.AddTypeName(pszType);
        Save(catalog);
    }

    void ExpectRefused(std::vector<std::string> args, const char* pszComplaint)
    {
        const Bytes before = ReadFile();
        CliResult r = Run(args);
        EXPECT_EQ(r.nExit, 2) << args[2];
        EXPECT_NE(r.strErr.find(pszComplaint), std::string::npos) << r.strErr;
        EXPECT_EQ(ReadFile(), before) << "a refused add must leave the file as it was";
    }
};

TEST_F(PartCommandsTest, StarterCatalogueIsClean)
{
    std::filesystem::copy_file(std::string(ORVANE_SOURCE_DIR) + "/examples/Progr.ini", "Progr.ini",
                               std::filesystem::copy_options::overwrite_existing);
    CliResult r = Run({"check"});
    EXPECT_EQ(r.nExit, 0) << r.strOut;
    EXPECT_EQ(r.strOut, "Progr.ini: 19 chips, 0 errors, 0 warnings\n");
}

TEST_F(PartCommandsTest, CheckWarnsWhereTheSettingsContradictThePartNumber)
{
    CChipCatalog catalog;
    for (const char* pszType : kTypes)
        catalog.AddTypeName(pszType);
    const struct {
        const char* pszName;
        ChipSettings settings;
        const char* pszWarning;  // nullptr: clean
    } cases[] = {
        {"24C02", I2C(128, 8), "length 128 differs from the part number: 24C02 (24xx02) holds 256 bytes"},
        {"AT24C16", I2C(2048, 32),
         "write buffer 32 is larger than the page: AT24C16 (24xx16) takes 16 bytes a page"},
        {"24LC512-I/P", I2C(0, 128),
         "the Length field cannot hold the part's size: 24LC512 (24xx512) holds 65536 bytes, more than the 65535"},
        {"93C46 x16", Microwire(2, 128, 7),
         "bits address 7 does not fit the part number: 93C46 (93xx46) in x16 (type 2 \"Microwire x16\") takes 6"},
        {"93LC66B", Microwire(1, 512, 9),
         "type 1 \"Microwire x8\" does not fit the part number: 93LC66B (93xx66) is x16 only (suffix B)"},
        {"93C56", Microwire(1, 256, 8),
         "bits address 8 does not fit the part number: 93C56 (93xx56) in x8 (type 1 \"Microwire x8\") takes 9"},
        {"93C76", Microwire(3, 1024, 10), nullptr},  // type 3 says x16
        {"24C04", Microwire(1, 512, 9), "kind 1 (Microwire) does not fit the part number: 24C04 (24xx04) is an I2C"},
        {"93C86", I2C(2048, 8), "kind 0 (I2C) does not fit the part number: 93C86 (93xx86) is a Microwire part"},
        {"M24C02-W", I2C(256, 16), nullptr},  // ST's 2 Kbit parts take 16 bytes a page
        {"FM24C64", I2C(8192, 64), nullptr},  // page not known for FM
        {"24LC256", I2C(32768, 16), nullptr},  // a smaller buffer is safe
        {"Boot ROM", I2C(7, 200), nullptr},
    };
    for (const auto& c : cases)
        AddEntry(catalog, c.pszName, c.settings);
    Save(catalog);
    CliResult r = Run({"check"});
    EXPECT_EQ(r.nExit, 1) << "part-number findings are warnings, never errors";
    int nWarnings = 0;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const std::string strPrefix = "Progr.ini: #" + std::to_string(i) + " \"" + cases[i].pszName + "\": ";
        if (!cases[i].pszWarning) {
            EXPECT_EQ(r.strOut.find(strPrefix), std::string::npos) << r.strOut;
            continue;
        }
        ++nWarnings;
        const std::string strLine = strPrefix + "warning: " + cases[i].pszWarning;
        EXPECT_NE(r.strOut.find(strLine), std::string::npos) << strLine << "\n--- got:\n" << r.strOut;
    }
    EXPECT_NE(r.strOut.find("Progr.ini: 13 chips, 0 errors, " + std::to_string(nWarnings) + " warnings\n"),
              std::string::npos) << r.strOut;
}

TEST_F(PartCommandsTest, WithoutOrganisationInTheTypeNamesEitherBitCountPasses)
{
    CChipCatalog catalog;
    AddEntry(catalog, "93C66", Microwire(3, 512, 8));
    AddEntry(catalog, "93C66", Microwire(1, 512, 9));
    AddEntry(catalog, "93C66", Microwire(2, 512, 7));
    Save(catalog);
    CliResult r = Run({"check"});
    EXPECT_EQ(std::count(r.strOut.begin(), r.strOut.end(), '\n'), 4) << r.strOut;  // two duplicates, one part
    EXPECT_NE(r.strOut.find("#2 \"93C66\": warning: bits address 7 does not fit the part number: 93C66 (93xx66) "
                            "takes 9 address bits in x8 or 8 in x16"),
              std::string::npos) << r.strOut;
}

TEST_F(PartCommandsTest, AddFillsWhatThePartNumberSays)
{
    const struct {
        std::vector<std::string> args;
        const char* pszName;
        int nKind;
        int nLength;
        int nByte3;  // bits address (Microwire) or the derived address format (I2C)
        int nByte7;  // write buffer (I2C) or CS mask
        int nPowerPins;
        const char* pszNote;
    } cases[] = {
        {{"--part", "24LC256"}, "24LC256", 0, 32768, 0, 64, 0x80,
         "24LC256: note: assumed type 0 \"I2C EEPROM\", length 32768, write buffer 64"},
        {{"Serial ROM", "--part", "AT24C16", "--write-buffer", "8"}, "Serial ROM", 0, 2048, 0x11, 8, 0x80,
         "AT24C16: note: assumed type 0 \"I2C EEPROM\", length 2048\n"},
        {{"--part", "M24C02-W"}, "M24C02-W", 0, 256, 0x11, 16, 0x80, "write buffer 16"},
        {{"--part", "93LC66B"}, "93LC66B", 2, 512, 8, 1, 0x80,
         "assumed x16 organisation (suffix B), type 2 \"Microwire x16\", length 512, bits address 8\n"},
        {{"--part", "93C46", "--org", "8"}, "93C46", 1, 128, 7, 1, 0x80, "type 1 \"Microwire x8\""},
        {{"--part", "93C86", "--org", "16"}, "93C86", 2, 2048, 10, 1, 0xA0, "power pins 6 and 8"},
        {{"--part", "93C56", "--type", "3"}, "93C56", 3, 256, 8, 1, 0xA0,
         "x16 organisation, as type 3 \"Microwire x16 (variant 2)\" says"},
        {{"--part", "93C46 x8"}, "93C46 x8", 1, 128, 7, 1, 0x80, "x8 organisation (the name says x8)"},
        {{"--part", "24LC512", "--length", "65535"}, "24LC512", 0, 65535, 0, 128, 0x80, "write buffer 128"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        std::vector<std::string> args = {"add"};
        args.insert(args.end(), cases[i].args.begin(), cases[i].args.end());
        CliResult r = Run(args);
        ASSERT_EQ(r.nExit, 0) << cases[i].args[1] << ": " << r.strErr;
        EXPECT_NE(r.strErr.find(cases[i].pszNote), std::string::npos) << r.strErr;
        CChipCatalog catalog;
        ASSERT_EQ(CCatalogFile::Load(catalog, "Progr.ini").status, CCatalogFile::loaded);
        const int nIndex = static_cast<int>(i);
        EXPECT_EQ(catalog.GetEntryName(nIndex).Str(), cases[i].pszName);
        const ChipSettings s = catalog.GetSettings(nIndex);
        EXPECT_EQ(s[ChipSettings::Kind], cases[i].nKind) << cases[i].pszName;
        EXPECT_EQ(Length(s), cases[i].nLength) << cases[i].pszName;
        EXPECT_EQ(s[ChipSettings::AddressFormat], cases[i].nByte3) << cases[i].pszName;
        EXPECT_EQ(s[ChipSettings::WriteBufferOrCsMask], cases[i].nByte7) << cases[i].pszName;
        EXPECT_EQ(s[ChipSettings::PowerPins], cases[i].nPowerPins) << cases[i].pszName;
    }
}

TEST_F(PartCommandsTest, EveryFamilyAddedByItsPartNumberChecksClean)
{
    for (const char* pszPart : {"24C01", "24C02", "24C04", "24C08", "24C16", "24C32", "24C64", "24C128", "24C256"})
        ASSERT_EQ(Run({"add", "--part", pszPart}).nExit, 0) << pszPart;
    for (const char* pszOrg : {"8", "16"}) {
        for (const char* pszPart : {"93C46", "93C56", "93C66", "93C76", "93C86"})
            ASSERT_EQ(Run({"add", "--part", pszPart, "--org", pszOrg}).nExit, 0) << pszPart;
    }
    CliResult r = Run({"check"});
    EXPECT_EQ(r.nExit, 1) << "only the duplicate names of the two organisations warn\n" << r.strOut;
    EXPECT_EQ(r.strOut.find("part number"), std::string::npos) << r.strOut;
}

TEST_F(PartCommandsTest, ExplicitValuesWinWithAWarning)
{
    CliResult r = Run({"add", "--part", "93C46", "--org", "8", "--bits-address", "9", "--length", "256"});
    ASSERT_EQ(r.nExit, 0) << r.strErr;
    EXPECT_NE(r.strErr.find("#0 \"93C46\": warning: length 256 differs from the part number: 93C46 (93xx46) holds "
                            "128 bytes\n"),
              std::string::npos) << r.strErr;
    EXPECT_NE(r.strErr.find("warning: bits address 9 does not fit the part number: 93C46 (93xx46) in x8 (type 1 "
                            "\"Microwire x8\") takes 7 address bits\n"),
              std::string::npos) << r.strErr;
    EXPECT_EQ(StoredSettings(0)[ChipSettings::AddressFormat], 9);
    r = Run({"add", "--part", "24C02", "--write-buffer", "4"});
    EXPECT_EQ(r.strErr.find("warning"), std::string::npos) << "a buffer within the page is safe: " << r.strErr;
}

TEST_F(PartCommandsTest, AddRefusesWhatThePartNumberContradicts)
{
    ExpectRefused({"add", "--part", "93C46"}, "--org: 93C46 is x8 or x16 as its ORG pin chooses: give --org 8 or");
    ExpectRefused({"add", "--part", "93AA46A", "--org", "16"}, "--org: 16 does not fit the part: 93AA46A is x8 only");
    ExpectRefused({"add", "--part", "24C02", "--type", "1"}, "--type: 1 opens the Microwire form, but 24C02 is an I2C");
    ExpectRefused({"add", "--part", "93C46", "--org", "8", "--type", "0"}, "0 opens the I2C form");
    ExpectRefused({"add", "--part", "93C46", "--org", "16", "--type", "1"},
                  "--type: type 1 \"Microwire x8\" is x8, but the chip is x16");
    ExpectRefused({"add", "--part", "24C02", "--org", "8"}, "--org: applies to Microwire parts");
    ExpectRefused({"add", "--part", "24LC512"}, "24LC512 holds 65536 bytes, more than the Length field holds");
    ExpectRefused({"add", "--part", "Boot ROM"}, "--part: \"Boot ROM\" holds no part number Orvane knows");
    ExpectRefused({"add", "x"}, "add: give --type, or --part");
    ExpectRefused({"add", "--part", "93C46", "--org", "12"}, "12 not in {8,16}");
}

TEST_F(PartCommandsTest, TypeMustBeGivenWhereTheTypeNamesDoNotSayTheOrganisation)
{
    CChipCatalog catalog;
    for (const char* pszType : {"I2C", "Microwire A", "Microwire B", "Microwire C"})
        catalog.AddTypeName(pszType);
    Save(catalog);
    ExpectRefused({"add", "--part", "93C46", "--org", "8"},
                  "--type: no type name at positions 1..3 says x8; give --type");
    CliResult r = Run({"add", "--part", "93C46", "--org", "8", "--type", "2"});
    ASSERT_EQ(r.nExit, 0) << r.strErr;
    EXPECT_EQ(StoredSettings(0)[ChipSettings::Kind], 2);
    EXPECT_EQ(StoredSettings(0)[ChipSettings::AddressFormat], 7);
}

TEST_F(PartCommandsTest, PartsListsTheFamilies)
{
    CliResult r = Run({"parts"});
    ASSERT_EQ(r.nExit, 0) << r.strErr;
    EXPECT_NE(r.strOut.find("24xx256   I2C         32768    64\n"), std::string::npos) << r.strOut;
    EXPECT_NE(r.strOut.find("93xx76    Microwire    1024              11/10\n"), std::string::npos) << r.strOut;
    EXPECT_NE(r.strOut.find("24xxM02   I2C        262144   256               beyond the Length field (0..65535)\n"),
              std::string::npos);
    EXPECT_NE(r.strOut.find("maker prefixes:"), std::string::npos);

    r = Run({"parts", "93*"});
    EXPECT_EQ(std::count(r.strOut.begin(), r.strOut.end(), '\n'), 6) << r.strOut;

    r = Run({"parts", "at24c256c-sshl"});
    ASSERT_EQ(r.nExit, 0) << r.strErr;
    EXPECT_EQ(r.strOut.rfind("AT24C256C: 24xx256, 32768 bytes, 64-byte page; maker: Atmel (Microchip)", 0), 0u)
        << r.strOut;

    r = Run({"parts", "25LC256"});
    EXPECT_EQ(r.nExit, 1);
    EXPECT_NE(r.strErr.find("25LC256: matches no family and holds no part number Orvane knows"), std::string::npos);
}

TEST_F(PartCommandsTest, PartsAsJson)
{
    CliResult r = Run({"parts", "--json"});
    ASSERT_EQ(r.nExit, 0) << r.strErr;
    const nlohmann::json all = nlohmann::json::parse(r.strOut);
    ASSERT_EQ(all["families"].size(), 20u);
    EXPECT_EQ(all["families"][9]["family"], "24xx512");
    EXPECT_EQ(all["families"][9]["fits_length"], false);
    EXPECT_EQ(all["families"][15]["address_bits"]["x8"], 7);
    EXPECT_FALSE(all["makers"].empty());

    r = Run({"parts", "93LC66B", "--json"});
    const nlohmann::json one = nlohmann::json::parse(r.strOut);
    EXPECT_EQ(one["part"]["family"], "93xx66");
    EXPECT_EQ(one["part"]["organisation"], "x16");
    EXPECT_EQ(one["part"]["organisation_fixed"], true);
    EXPECT_EQ(one["families"].size(), 1u);
    EXPECT_FALSE(one.contains("makers"));
}

TEST_F(PartCommandsTest, AddWarnsAsCheckDoesAndStillSaves)
{
    const struct {
        std::vector<std::string> args;
        const char* pszWarning;  // nullptr: none
    } cases[] = {
        {{"24LC64", "--type", "0", "--length", "4096"},
         "length 4096 differs from the part number: 24LC64 (24xx64) holds 8192 bytes"},
        {{"AT24C16", "--type", "0", "--length", "2048", "--write-buffer", "32"},
         "write buffer 32 is larger than the page: AT24C16 (24xx16) takes 16 bytes a page, and more wrap round to "
         "overwrite the start of the page"},
        {{"93C66", "--type", "0", "--length", "512"},
         "kind 0 (I2C) does not fit the part number: 93C66 (93xx66) is a Microwire part"},
        {{"24C02", "--type", "1", "--length", "256", "--bits-address", "7"},
         "kind 1 (Microwire) does not fit the part number: 24C02 (24xx02) is an I2C part"},
        {{"93LC66B", "--type", "1", "--length", "512", "--bits-address", "9"},
         "type 1 \"Microwire x8\" does not fit the part number: 93LC66B (93xx66) is x16 only (suffix B)"},
        {{"93C56", "--type", "1", "--length", "256", "--bits-address", "8"},
         "bits address 8 does not fit the part number: 93C56 (93xx56) in x8 (type 1 \"Microwire x8\") takes 9 "
         "address bits"},
        {{"Serial ROM", "--part", "93C46", "--org", "8", "--bits-address", "6"},
         "bits address 6 does not fit the part number: 93C46 (93xx46) in x8 (type 1 \"Microwire x8\") takes 7"},
        {{"Boot ROM", "--type", "0", "--length", "7"}, nullptr},
        {{"24AA64-I/SN", "--type", "0", "--length", "8192", "--write-buffer", "32"}, nullptr},
        {{"24LC512", "--type", "0", "--length", "65535", "--write-buffer", "128"}, nullptr},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        std::vector<std::string> args = {"add"};
        args.insert(args.end(), cases[i].args.begin(), cases[i].args.end());
        const CliResult r = Run(args);
        ASSERT_EQ(r.nExit, 0) << args[1] << ": " << r.strErr;
        const std::string strEntry = "#" + std::to_string(i) + " \"" + args[1] + "\": warning: ";
        if (!cases[i].pszWarning) {
            EXPECT_EQ(r.strErr.find("warning"), std::string::npos) << r.strErr;
            continue;
        }
        EXPECT_NE(r.strErr.find("orvane-cli: Progr.ini: " + strEntry + cases[i].pszWarning), std::string::npos)
            << r.strErr;
        EXPECT_EQ(r.strErr.find("warning", r.strErr.find("warning") + 1), std::string::npos) << r.strErr;
    }
    // check says the same of the first six, which are named by their part number.
    const CliResult r = Run({"check"});
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_NE(r.strOut.find("#" + std::to_string(i) + " \"" + cases[i].args[0] + "\": warning: " +
                                cases[i].pszWarning),
                  std::string::npos) << r.strOut;
}

TEST_F(PartCommandsTest, EditWarnsOnlyAboutWhatItChanged)
{
    CChipCatalog catalog;
    for (const char* pszType : kTypes)
        catalog.AddTypeName(pszType);
    AddEntry(catalog, "24LC64", I2C(4096, 64));
    Save(catalog);
    const struct {
        std::vector<std::string> args;
        const char* pszWarning;  // nullptr: none
    } cases[] = {
        {{"--clk", "3"}, nullptr},
        {{"--write-buffer", "16"}, nullptr},
        {{"--length", "2048"}, "length 2048 differs from the part number: 24LC64 (24xx64) holds 8192 bytes"},
        {{"--write-buffer", "64"}, "write buffer 64 is larger than the page: 24LC64 (24xx64) takes 32 bytes a page"},
        {{"--name", "24LC32"}, "length 2048 differs from the part number: 24LC32 (24xx32) holds 4096 bytes"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"edit", "#0"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliResult r = Run(args);
        ASSERT_EQ(r.nExit, 0) << c.args[0] << ": " << r.strErr;
        if (c.pszWarning)
            EXPECT_NE(r.strErr.find("warning: " + std::string(c.pszWarning)), std::string::npos) << r.strErr;
        else
            EXPECT_EQ(r.strErr, "") << c.args[0];
    }
    EXPECT_EQ(Length(StoredSettings(0)), 2048) << "a warning does not stop the edit";
}
