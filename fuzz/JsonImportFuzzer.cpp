#include "CatalogFile.h"
#include "CatalogJson.h"
#include "CliError.h"
#include "FuzzCheck.h"
#include "JsonDocument.h"

#include <cstdint>

// The document orvane-cli import reads: any text is imported or refused with a message
// naming the document. What imports makes a catalogue that saves and loads back the
// same, and its export (as orvane-cli export writes it) imports to the same catalogue and
// exports to the same text again.
namespace {

const char* const kSource = "in.json";

std::string Detail(const std::string& strText, const std::string& strExport)
{
    return "document:\n" + strText + "\nexport:\n" + strExport;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string strText(reinterpret_cast<const char*>(pData), nSize);
    Json document;
    CChipCatalog catalog;
    try {
        document = ParseJsonDocument(strText, kSource);
        CatalogFromJson(document, kSource, catalog);
    } catch (const CCliError& e) {
        FUZZ_REQUIRE(e.GetSubject() == kSource && *e.what(), e.what());
        return 0;
    }
    const std::vector<BYTE> stored = CCatalogFile::StoreToBytes(catalog);
    CChipCatalog loaded;
    CCatalogFile::LoadFromBytes(loaded, stored.data(), stored.size(), "Progr.ini");
    FUZZ_REQUIRE(CCatalogFile::StoreToBytes(loaded) == stored, Detail(strText, ""));

    CodePage cp = CodePage::Windows1252;
    FUZZ_REQUIRE(CodePageFromNumber(document.at("codepage").get<int>(), cp), Detail(strText, ""));
    const std::string strExport = CatalogToJson(catalog, cp).dump(2) + "\n";
    CChipCatalog reimported;
    try {
        CatalogFromJson(ParseJsonDocument(strExport, kSource), kSource, reimported);
    } catch (const CCliError& e) {
        FuzzFailure("the export imports", Detail(strText, strExport) + "\n" + e.what());
    }
    FUZZ_REQUIRE(CCatalogFile::StoreToBytes(reimported) == stored, Detail(strText, strExport));
    FUZZ_REQUIRE(CatalogToJson(reimported, cp).dump(2) + "\n" == strExport, Detail(strText, strExport));
    return 0;
}
