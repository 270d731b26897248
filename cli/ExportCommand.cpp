#include "Commands.h"

#include "CatalogJson.h"
#include "ChipView.h"
#include "CliError.h"
#include "File.h"
#include "NameText.h"

#include <algorithm>
#include <iterator>

namespace {

// Whether two paths name one file, by the identity the file system gives it.
bool SameFile(const std::string& strPath, const std::string& strOther)
{
    CFile file, other;
    if (!file.Open(strPath.c_str(), CFile::modeRead) || !other.Open(strOther.c_str(), CFile::modeRead))
        return false;
    const FileIdentity id = file.GetIdentity(), otherId = other.GetIdentity();
    return id.nDevice == otherId.nDevice && id.nInode == otherId.nInode;
}

std::string CsvField(const std::string& strText)
{
    if (strText.find_first_of(",\"\r\n") == std::string::npos)
        return strText;
    std::string out = "\"";
    for (char ch : strText) {
        if (ch == '"')
            out += '"';
        out += ch;
    }
    return out + '"';
}

std::string CatalogCsv(const CChipCatalog& catalog, CodePage cp)
{
    std::string out = "index,name,name_hex,kind,family,length,power_pins,bytes\n";
    const CChipEntryArray& entries = catalog.Entries();
    for (int i = 0; i < entries.GetSize(); ++i) {
        const std::string& strName = entries[i].name.Str();
        const ChipSettings& s = entries[i].settings;
        const BYTE nKind = s[ChipSettings::Kind];
        const std::string fields[] = {
            std::to_string(i),
            AnsiToUtf8(strName, cp),
            AnsiRoundTrips(strName, cp) ? "" : HexEncode(strName),
            std::to_string(nKind),
            FamilyName(FamilyOfKind(nKind)),
            std::to_string(s.GetLength()),
            PinListText(s[ChipSettings::PowerPins]),
            HexEncode(std::string(s.bytes.begin(), s.bytes.end()), true),
        };
        for (std::size_t k = 0; k < std::size(fields); ++k)
            out += (k ? "," : "") + CsvField(fields[k]);
        out += '\n';
    }
    return out;
}

void WriteOutput(const CliContext& ctx, const std::string& strPath, const std::string& strText)
{
    if (strPath.empty() || strPath == "-") {
        ctx.out << strText;
        return;
    }
    if (SameFile(strPath, ctx.strFile))
        throw CCliError(strPath, "is the catalogue itself; export would write over it");
    CFile file;
    bool bOk = file.Open(strPath.c_str(), CFile::modeCreate | CFile::modeWrite);
    const std::size_t nChunk = std::size_t(1) << 30;
    for (std::size_t nDone = 0; bOk && nDone < strText.size(); nDone += nChunk)
        bOk = file.Write(strText.data() + nDone, static_cast<UINT>(std::min(nChunk, strText.size() - nDone)));
    if (!bOk || !file.Close())
        throw CCliError(strPath, "cannot write: " + CFile::ErrorText(file.GetLastError()));
}

}  // namespace

void RunExport(CliContext& ctx, const ExportOptions& options)
{
    CChipCatalog catalog;
    LoadCatalog(ctx, catalog, MissingFile::isError);
    if (options.strFormat == "csv")
        WriteOutput(ctx, options.strOutput, CatalogCsv(catalog, ctx.cp));
    else
        WriteOutput(ctx, options.strOutput, CatalogToJson(catalog, ctx.cp).dump(2) + "\n");
}
