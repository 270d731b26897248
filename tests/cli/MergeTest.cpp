#include "CliTestSupport.h"

#include "support/LockHolder.h"

#include <nlohmann/json.hpp>

#include <utility>

namespace {

using Json = nlohmann::ordered_json;
using Chips = std::vector<std::pair<std::string, ChipSettings>>;

const ChipSettings kA = SettingsOf({0x80, 0x00, 0x01, 0x11, 0x20, 0x10, 0x10, 8, 0xA0, 0, 0x10, 0});
const ChipSettings kB = SettingsOf({0x81, 0x00, 0x01, 0x11, 0x20, 0x10, 0x10, 16, 0xA1, 0, 0x10, 0});
const ChipSettings kC = SettingsOf({0x80, 0x80, 0x00, 0x07, 0x04, 0x08, 0x02, 0x01, 0, 0x08, 0x08, 1});

class MergeTest : public CliTest {
protected:
    static void SaveChips(const Chips& chips, const std::string& strPath, const char* pszType = "I2C")
    {
        CChipCatalog catalog;
        if (pszType)
            catalog.AddTypeName(pszType);
        for (const auto& chip : chips)
            AddEntry(catalog, chip.first, chip.second);
        Save(catalog, strPath);
    }

    static Chips LoadChips(const std::string& strPath = "Progr.ini")
    {
        CChipCatalog catalog;
        EXPECT_EQ(CCatalogFile::Load(catalog, strPath.c_str()).status, CCatalogFile::loaded);
        Chips chips;
        for (int i = 0; i < catalog.GetEntryCount(); ++i)
            chips.emplace_back(catalog.GetEntryName(i).Str(), catalog.GetSettings(i));
        return chips;
    }

    static Json Parsed(const CliResult& r)
    {
        Json json = Json::parse(r.strOut);
        json.erase("dry_run");
        return json;
    }
};

TEST_F(MergeTest, IntoAMissingOrEmptyCatalogueGivesFromsChipsAndIntoItselfNothing)
{
    const Chips from = {{"X", kA}, {"X", kB}, {"Y", kC}, {"", kA}};
    SaveChips(from, "from.ini");
    const Bytes fromBytes = ReadFile("from.ini");
    for (bool bMissing : {true, false}) {
        std::remove("Progr.ini");
        if (!bMissing)
            SaveChips({}, "Progr.ini", nullptr);
        CliResult r = Run({"merge", "from.ini"});
        EXPECT_EQ(r.nExit, 0) << r.strErr;
        EXPECT_EQ(r.strOut, "type 0: (none) -> \"I2C\" (not merged)\n+ #0 \"X\"\n+ #1 \"X\"\n+ #2 \"Y\"\n+ #3 \"\"\n");
        EXPECT_EQ(LoadChips(), from);
    }
    for (const char* pszTarget : {"Progr.ini", "from.ini"}) {
        const Bytes before = ReadFile(pszTarget);
        CliResult r = Run({"-f", pszTarget, "merge", "from.ini"});
        EXPECT_EQ(r.nExit, 0) << r.strErr;
        EXPECT_EQ(r.strOut, pszTarget == std::string("from.ini") ? "" : "type 0: (none) -> \"I2C\" (not merged)\n");
        EXPECT_EQ(ReadFile(pszTarget), before);
    }
    EXPECT_EQ(ReadFile("from.ini"), fromBytes);
}

// Each case runs as a dry run and for real, in text and JSON, and is checked against the
// bytes it leaves and against diff between the file before and after.
TEST_F(MergeTest, ConflictChoicesAndRepeatedNamesAgreeWithDiffOnTheBytes)
{
    const struct {
        Chips target;
        Chips from;
        const char* pszChoice;
        Chips result;
        int nExit;
        const char* pszOut;
    } cases[] = {
        {{{"X", kA}, {"Y", kA}}, {{"Y", kB}, {"X", kA}, {"N", kC}}, nullptr, {{"X", kA}, {"Y", kA}, {"N", kC}}, 1,
         "+ #2 \"N\"\n! #1 \"Y\" (from #0): power_pins 0x80 (pins 8) -> 0x81 (pins 1, 8); write_buffer 0x08 (8) -> 0x10 (16); "
         "device_address 0xA0 (10100000) -> 0xA1 (10100001)\n"},
        {{{"X", kA}, {"Y", kA}}, {{"Y", kB}, {"X", kA}, {"N", kC}}, "--theirs", {{"X", kA}, {"Y", kB}, {"N", kC}}, 0,
         "+ #2 \"N\"\n~ #1 \"Y\": power_pins 0x80 (pins 8) -> 0x81 (pins 1, 8); write_buffer 0x08 (8) -> 0x10 (16); "
         "device_address 0xA0 (10100000) -> 0xA1 (10100001)\n"},
        {{{"X", kA}, {"Y", kA}}, {{"Y", kB}, {"X", kA}, {"N", kC}}, "--both",
         {{"X", kA}, {"Y", kA}, {"Y", kB}, {"N", kC}}, 0, "+ #2 \"Y\"\n+ #3 \"N\"\n"},
        // A name FROM repeats: the identical copy pairs first, the others are appended.
        {{{"X", kB}}, {{"X", kA}, {"X", kB}, {"X", kC}}, nullptr, {{"X", kB}, {"X", kA}, {"X", kC}}, 0,
         "+ #1 \"X\"\n+ #2 \"X\"\n"},
        {{{"X", kA}, {"X", kB}}, {{"X", kC}, {"X", kB}}, "--theirs", {{"X", kC}, {"X", kB}}, 0, nullptr},
        {{{"X", kA}, {"X", kB}}, {{"X", kC}, {"X", kB}}, nullptr, {{"X", kA}, {"X", kB}}, 1, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pszChoice ? c.pszChoice : "keep") + ", result of " +
                     std::to_string(c.result.size()));
        SaveChips(c.from, "from.ini");
        SaveChips(c.target, "before.ini");
        const Bytes before = ReadFile("before.ini");
        std::vector<std::string> args = {"merge", "from.ini"};
        if (c.pszChoice)
            args.push_back(c.pszChoice);
        auto with = [&args](std::vector<std::string> more) {
            more.insert(more.begin(), args.begin(), args.end());
            return more;
        };
        WriteFile(before);
        const CliResult dryText = Run(with({"--dry-run"}));
        const CliResult dryJson = Run(with({"--dry-run", "--json"}));
        EXPECT_EQ(ReadFile(), before);
        const CliResult text = Run(args);
        EXPECT_EQ(text.nExit, c.nExit) << text.strErr;
        EXPECT_EQ(dryText.nExit, c.nExit);
        EXPECT_EQ(dryText.strOut, text.strOut);
        if (c.pszOut) {
            EXPECT_EQ(text.strOut, c.pszOut);
        }
        EXPECT_EQ(LoadChips(), c.result);
        const Bytes after = ReadFile();
        WriteFile(before);
        const CliResult json = Run(with({"--json"}));
        EXPECT_EQ(json.nExit, c.nExit);
        EXPECT_EQ(ReadFile(), after);
        EXPECT_EQ(Parsed(json), Parsed(dryJson));

        const CliResult diff = Run({"diff", "--json", "before.ini", "Progr.ini"});
        const Json d = Json::parse(diff.strOut), m = Json::parse(json.strOut);
        EXPECT_EQ(d["added"], m["added"]);
        EXPECT_EQ(d["changed"], m["changed"]);
        EXPECT_EQ(d["removed"], Json::array());
        EXPECT_EQ(d["types"], Json::array());
        EXPECT_FALSE(d["reordered"].get<bool>());
        EXPECT_EQ(m["conflicts"].size(), c.nExit == 1 ? 1u : 0u);

        // A second merge finds nothing more to bring.
        const CliResult again = Run(with({"--json"}));
        EXPECT_EQ(again.nExit, c.nExit);
        EXPECT_EQ(Json::parse(again.strOut)["added"], Json::array());
        EXPECT_EQ(Json::parse(again.strOut)["changed"], Json::array());
        EXPECT_EQ(ReadFile(), after);
    }
}

TEST_F(MergeTest, NamesAreConvertedFromTheirPageAndNeverBecomeQuestionMarks)
{
    // From Windows-1250 into Windows-1257: Łódź and Ąžuolas exist in both with other bytes.
    SaveChips({{"\xD9\xF3\x64\xEA", kA}}, "Progr.ini");
    SaveChips({{"\xA3\xF3\x64\x9F", kA}, {"\xA5\x9E" "uolas", kB}, {"\x9D" "ank", kC}, {"\x81", kC}}, "from.ini");
    CliResult r = Run({"--codepage", "1257", "merge", "from.ini", "--from-codepage", "1250", "--theirs"});
    EXPECT_EQ(r.nExit, 1) << r.strErr;
    EXPECT_EQ(r.strOut, "+ #1 \"Ąžuolas\"\n"
                        "! from #2 \"ťank\": has U+0165, which code page 1257 lacks\n"
                        "! from #3 \"\\x81\": has bytes that code page 1250 leaves undefined\n");
    EXPECT_EQ(LoadChips(), (Chips{{"\xD9\xF3\x64\xEA", kA}, {"\xC0\xFE" "uolas", kB}}));
    const Json json = Json::parse(Run({"-f", "from.ini", "--codepage", "1252", "merge", "Progr.ini", "--json",
                                       "--dry-run", "--from-codepage", "1257"})
                                      .strOut);
    EXPECT_EQ(json["added"], Json::array());
    EXPECT_EQ(json["conflicts"][0]["from"], (Json{{"index", 0}, {"name", "Łódź"}}));
    EXPECT_EQ(json["conflicts"][0]["problem"], "has U+0141, which code page 1252 lacks");

    r = Run({"merge", "from.ini", "--from-codepage", "1249"});
    EXPECT_EQ(r.nExit, 2);
    EXPECT_EQ(r.strErr.rfind("orvane-cli: --from-codepage: code page 1249 is not supported", 0), 0u) << r.strErr;
}

TEST_F(MergeTest, DamagedFilesAndFailuresAreRefusedWithExit2AndTheTargetUnchanged)
{
    SaveChips({{"X", kA}}, "from.ini");
    Bytes damaged = ReadFile("from.ini");
    damaged.resize(damaged.size() - 14);
    WriteFile(damaged, "damaged.ini");
    Bytes trailing = ReadFile("from.ini");
    trailing.push_back(0);
    const struct {
        std::vector<std::string> args;
        const char* pszMessage;
    } cases[] = {
        {{"merge", "damaged.ini"}, "damaged.ini has a bad format"},
        {{"merge", "damaged.ini", "--dry-run"}, "damaged.ini has a bad format"},
        {{"-f", "damaged.ini", "merge", "from.ini"}, "damaged.ini has a bad format"},
        {{"merge", "none.ini"}, "orvane-cli: none.ini: no such file\n"},
        {{"-f", "trailing.ini", "merge", "from.ini"}, "1 bytes follow the catalogue"},
        {{"merge", "from.ini", "--theirs", "--both"}, "--theirs excludes --both"},
    };
    SaveChips({{"Y", kB}}, "Progr.ini");
    WriteFile(trailing, "trailing.ini");
    for (const auto& c : cases) {
        const Bytes before = ReadFile(), beforeDamaged = ReadFile("damaged.ini");
        const CliResult r = Run(c.args);
        EXPECT_EQ(r.nExit, 2) << c.pszMessage;
        EXPECT_NE(r.strErr.find(c.pszMessage), std::string::npos) << r.strErr;
        EXPECT_EQ(r.strOut, "");
        EXPECT_EQ(ReadFile(), before);
        EXPECT_EQ(ReadFile("damaged.ini"), beforeDamaged);
        EXPECT_EQ(ReadFile("trailing.ini"), trailing);
    }
    CliResult r = Run({"merge", "--help"});
    EXPECT_EQ(r.nExit, 0);
    EXPECT_NE(r.strOut.find("an identical one first"), std::string::npos) << r.strOut;
    // Bytes after FROM's catalogue are no chips: they are named, and the chips merged.
    r = Run({"merge", "trailing.ini"});
    EXPECT_EQ(r.nExit, 0);
    EXPECT_EQ(r.strErr, "orvane-cli: trailing.ini: warning: 1 bytes follow its catalogue; only its chips are merged\n");
    EXPECT_EQ(LoadChips(), (Chips{{"Y", kB}, {"X", kA}}));
}

TEST_F(MergeTest, AnotherWriterHoldingTheFileMakesTheMergeWaitThenFail)
{
    SaveChips({{"X", kA}}, "from.ini");
    SaveChips({{"Y", kB}}, "Progr.ini");
    const Bytes before = ReadFile();
    CLockHolder holder(".");
    ASSERT_TRUE(holder.IsHeld());
    CFileLock::SetWaitLimit(50);
    CliResult r = Run({"merge", "from.ini"});
    CFileLock::SetWaitLimit(CFileLock::DefaultWaitLimitMs);
    EXPECT_EQ(r.nExit, 2);
    EXPECT_EQ(r.strErr, "orvane-cli: Cannot save Progr.ini: it is being saved by another program; try again.\n");
    EXPECT_EQ(ReadFile(), before);
    // A dry run only reads.
    r = Run({"merge", "from.ini", "--dry-run"});
    EXPECT_EQ(r.nExit, 0);
    EXPECT_EQ(r.strOut, "+ #1 \"X\"\n");
}

}  // namespace
