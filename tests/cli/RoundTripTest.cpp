#include "CliTestSupport.h"

#include <dirent.h>
#include <random>

namespace {

Bytes SaveOfLoad(const Bytes& file)
{
    CChipCatalog catalog;
    CCatalogFile::LoadFromBytes(catalog, file.data(), file.size(), "Progr.ini");
    return CCatalogFile::StoreToBytes(catalog);
}

// The golden files: the loader's seed corpus and the starter catalogue.
std::vector<std::string> CorpusFiles()
{
    std::vector<std::string> files;
    const std::string dir = std::string(ORVANE_SOURCE_DIR) + "/fuzz/corpus/load";
    if (DIR* d = ::opendir(dir.c_str())) {
        while (dirent* e = ::readdir(d)) {
            if (e->d_name[0] != '.')
                files.push_back(dir + "/" + e->d_name);
        }
        ::closedir(d);
    }
    files.push_back(std::string(ORVANE_SOURCE_DIR) + "/examples/Progr.ini");  // the starter catalogue
    return files;
}

// Names with every byte value, both prefix lengths, duplicates, and random settings.
CChipCatalog& Generated(CChipCatalog& catalog, unsigned nSeed)
{
    std::mt19937 rng(nSeed);
    std::string strAll;
    for (int b = 0; b < 256; ++b)
        strAll += static_cast<char>(b);
    catalog.AddTypeName(CString(strAll));
    catalog.AddTypeName("");
    const std::string names[] = {strAll, "", std::string(300, 'x'), "24C02", "24C02", "\x81\x8D\x90", std::string("A\0B", 3)};
    for (int i = 0; i < 200; ++i) {
        ChipSettings s;
        for (BYTE& b : s.bytes)
            b = static_cast<BYTE>(rng());
        std::string strName = names[rng() % std::size(names)];
        if (i % 3 == 0)
            strName += static_cast<char>(rng());
        catalog.AddEmptyEntry();
        catalog.SetEntry(i, CString(strName), s.data());
    }
    return catalog;
}

}  // namespace

class RoundTripTest : public CliTest {
protected:
    // Exports the catalogue file, imports the JSON into a new file and returns its bytes.
    Bytes ExportImport(const std::string& strPath, const std::string& strCodePage)
    {
        CliResult exp = Run({"-f", strPath, "--codepage", strCodePage, "export", "-o", "out.json"});
        EXPECT_EQ(exp.nExit, 0) << exp.strErr;
        (void)std::remove("again.ini");
        CliResult imp = Run({"-f", "again.ini", "import", "out.json"});
        EXPECT_EQ(imp.nExit, 0) << imp.strErr;
        return ReadFile("again.ini");
    }
};

TEST_F(RoundTripTest, CorpusFilesComeBackAsTheirSave)
{
    int nIdentical = 0;
    for (const std::string& strPath : CorpusFiles()) {
        const Bytes file = ReadFile(strPath);
        CChipCatalog probe;
        if (!CCatalogFile::Load(probe, strPath.c_str()).Ok()) {
            EXPECT_EQ(Run({"-f", strPath, "export"}).nExit, 1) << strPath;
            continue;
        }
        const Bytes expected = SaveOfLoad(file);
        EXPECT_EQ(ExportImport(strPath, "1252"), expected) << strPath;
        nIdentical += expected == file;
    }
    // The starter, typical, long-name, one-entry and empty catalogues are in the editor's
    // own layout.
    EXPECT_GE(nIdentical, 5);
}

TEST_F(RoundTripTest, GeneratedCataloguesSurviveInBothCodePages)
{
    for (const char* pszPage : {"1252", "1251"}) {
        CChipCatalog catalog;
        Save(Generated(catalog, 7));
        const Bytes original = ReadFile();
        EXPECT_EQ(ExportImport("Progr.ini", pszPage), original) << pszPage;
    }
}

TEST_F(RoundTripTest, NamesThePageCannotCarryGoAsHex)
{
    CChipCatalog catalog;
    catalog.AddTypeName("\xC0\xE1");  // Cyrillic in 1251, Latin letters in 1252
    AddEntry(catalog, "ok\x81", SettingsOf({1}));
    Save(catalog);
    CliResult r = Run({"--codepage", "1252", "export"});
    EXPECT_NE(r.strOut.find("\"name\": \"\xC3\x80\xC3\xA1\""), std::string::npos) << r.strOut;
    EXPECT_NE(r.strOut.find("\"name_hex\": \"6F6B81\""), std::string::npos) << r.strOut;
    r = Run({"--codepage", "1251", "export"});
    EXPECT_NE(r.strOut.find("\"name\": \"\xD0\x90\xD0\xB1\""), std::string::npos) << r.strOut;
    EXPECT_NE(r.strOut.find("\"codepage\": 1251"), std::string::npos);
}

TEST_F(RoundTripTest, ImportRefusesWhatItWouldSilentlyIgnoreOrLose)
{
    const std::string strHead = R"({"format":"orvane-catalogue","version":1,"codepage":1252,"types":[],"entries":[)";
    const struct {
        const char* pszEntry;
        const char* pszComplaint;
    } cases[] = {
        {R"({"name":"A","bytes":"00 01"})", "12 hex bytes"},
        {R"({"name":"A","bytes":"80 80 00 01 20 10 10 08 A0 00 10 00","kind":2})", "\"kind\" does not match"},
        {R"({"name":"A","bytes":"80 80 00 01 20 10 10 08 A0 00 10 00","values":{"length":256}})", "\"values\" do not match"},
        {R"({"name":"B","name_hex":"41","bytes":"80 80 00 01 20 10 10 08 A0 00 10 00"})", "disagree"},
        {R"({"name":"Ж","bytes":"80 80 00 01 20 10 10 08 A0 00 10 00"})", "code page 1252 lacks"},
        {R"({"bytes":"80 80 00 01 20 10 10 08 A0 00 10 00"})", "\"name\" is missing"},
    };
    for (const auto& c : cases) {
        std::ofstream("in.json") << strHead << c.pszEntry << "]}";
        CliResult r = Run({"import", "in.json"});
        EXPECT_EQ(r.nExit, 2) << c.pszEntry;
        EXPECT_NE(r.strErr.find("orvane-cli: in.json: entries[0]: "), std::string::npos) << r.strErr;
        EXPECT_NE(r.strErr.find(c.pszComplaint), std::string::npos) << r.strErr;
        EXPECT_TRUE(ReadFile().empty()) << "nothing may be written for " << c.pszEntry;
    }
    std::ofstream("in.json") << "{not json";
    EXPECT_EQ(Run({"import", "in.json"}).nExit, 2);
}

TEST_F(RoundTripTest, ImportAcceptsValuesWhoseKeysATookSorted)
{
    std::ofstream("in.json") << R"({"codepage":1252,"entries":[{"bytes":"80 80 00 01 20 10 10 08 A0 00 10 00",)"
                                R"("name":"A","values":{"write_buffer":8,"pin_data":5,"pin_clk":6,"power_pins":[8],)"
                                R"("port_write":"00000000","port_read":"00010000","length":128,"device_address":160,)"
                                R"("address_format":1}}],"format":"orvane-catalogue","types":["I2C"],"version":1})";
    CliResult r = Run({"import", "in.json"});
    ASSERT_EQ(r.nExit, 0) << r.strErr;
    EXPECT_EQ(StoredSettings(0), SettingsOf({0x80, 0x80, 0, 1, 0x20, 0x10, 0x10, 8, 0xA0, 0, 0x10, 0}));
}

TEST_F(RoundTripTest, ImportReplacesAnExistingFileOnlyWhenForced)
{
    CChipCatalog catalog;
    AddEntry(catalog, "keep", SettingsOf({1, 2, 3}));
    Save(catalog);
    const Bytes before = ReadFile();
    ASSERT_EQ(Run({"export", "-o", "out.json"}).nExit, 0);
    CliResult r = Run({"import", "out.json"});
    EXPECT_EQ(r.nExit, 1);
    EXPECT_NE(r.strErr.find("--force"), std::string::npos);
    EXPECT_EQ(Run({"import", "out.json", "--force"}).nExit, 0);
    EXPECT_EQ(ReadFile(), before);
}

TEST_F(RoundTripTest, CsvQuotesNamesThatNeedIt)
{
    CChipCatalog catalog;
    AddEntry(catalog, "a,\"b\"\nc", SettingsOf({0x85, 0, 1}));
    Save(catalog);
    CliResult r = Run({"export", "--format", "csv"});
    ASSERT_EQ(r.nExit, 0);
    EXPECT_EQ(r.strOut, "index,name,name_hex,kind,family,length,power_pins,bytes\n"
                        "0,\"a,\"\"b\"\"\nc\",,0,i2c,256,\"1, 3, 8\",85 00 01 00 00 00 00 00 00 00 00 00\n");
}

TEST_F(RoundTripTest, ExportNeverWritesOverTheCatalogue)
{
    CChipCatalog catalog;
    AddEntry(catalog, "keep", SettingsOf({1, 2, 3}));
    Save(catalog);
    const Bytes before = ReadFile();
#ifdef _WIN32
    // Other spellings of the name stand in for a link.
    const char* const pszLink = ".\\PROGR.INI";
#else
    const char* const pszLink = "link.ini";
    ASSERT_EQ(symlink("Progr.ini", pszLink), 0);
#endif
    for (const char* pszOut : {"Progr.ini", "./Progr.ini", pszLink}) {
        CliResult r = Run({"export", "-o", pszOut});
        EXPECT_EQ(r.nExit, 1) << pszOut;
        EXPECT_NE(r.strErr.find("is the catalogue itself"), std::string::npos) << r.strErr;
    }
    EXPECT_EQ(ReadFile(), before);
}
