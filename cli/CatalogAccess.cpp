#include "CatalogAccess.h"

#include "CatalogFile.h"
#include "CliError.h"
#include "File.h"
#include "NameText.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

CCatalogFile::LoadResult LoadCatalogFrom(const std::string& strPath, CChipCatalog& catalog, MissingFile missing,
                                         std::vector<BYTE>* pFileBytes, int nExitCode)
{
    CCatalogFile::LoadResult result = CCatalogFile::Load(catalog, strPath.c_str(), pFileBytes);
    if (result.status == CCatalogFile::noFile && missing == MissingFile::isError)
        throw CCliError(strPath, "no such file", nExitCode);
    // The load's own message names the file.
    if (result.status == CCatalogFile::unreadable)
        throw CCliError("", result.strMessage.Str(), nExitCode);
    if (result.status == CCatalogFile::damaged && !pFileBytes)
        throw CCliError("", result.strMessage.Str(), nExitCode);
    return result;
}

void LoadCatalog(const CliContext& ctx, CChipCatalog& catalog, MissingFile missing)
{
    LoadCatalogFrom(ctx.strFile, catalog, missing);
}

void LoadCatalogForChange(const CliContext& ctx, CChipCatalog& catalog, MissingFile missing)
{
    const CCatalogFile::LoadResult result = LoadCatalogFrom(ctx.strFile, catalog, missing);
    if (result.nTrailingBytes > 0 && !ctx.bForce)
        throw CCliError(ctx.strFile, std::to_string(result.nTrailingBytes) +
                                         " bytes follow the catalogue, and saving would drop them; give --force to "
                                         "save anyway");
}

std::vector<BYTE> ReadFileBytes(const std::string& strPath, int nExitCode)
{
    CFile file;
    std::vector<BYTE> bytes;
    if (!file.Open(strPath.c_str(), CFile::modeRead) || !file.ReadAll(bytes, CCatalogFile::MaxFileSize)) {
        int nError = file.GetLastError();
        throw CCliError(strPath, nError == ENOENT ? "no such file" : CFile::ErrorText(nError), nExitCode);
    }
    return bytes;
}

CCatalogWriteLock::CCatalogWriteLock(const CliContext& ctx)
{
    CCatalogFile::SaveResult result = CCatalogFile::Lock(m_lock, ctx.strFile.c_str());
    if (!result.Ok())
        throw CCliError("", result.strMessage.Str());
}

void SaveCatalog(const CliContext& ctx, const CChipCatalog& catalog)
{
    CCatalogFile::SaveResult result = CCatalogFile::Save(catalog, ctx.strFile.c_str());
    if (!result.Ok())
        throw CCliError("", result.strMessage.Str());
}

void ChangeCatalog(const CliContext& ctx, MissingFile missing, const std::function<void(CChipCatalog&)>& change)
{
    CCatalogWriteLock lock(ctx);
    CChipCatalog catalog;
    LoadCatalogForChange(ctx, catalog, missing);
    change(catalog);
    SaveCatalog(ctx, catalog);
}

std::string NameFromArgument(const std::string& strText, bool bHex, CodePage cp, const char* pszWhat)
{
    std::string strName;
    if (bHex) {
        if (!HexDecode(strText, strName))
            throw CCliError(pszWhat, "\"" + strText + "\" is not hex bytes", exitUsage);
        return strName;
    }
    std::string strWhy;
    if (!Utf8ToAnsi(strText, cp, strName, strWhy))
        throw CCliError(pszWhat, "\"" + strText + "\" " + strWhy + " (give its bytes with --hex)", exitUsage);
    return strName;
}

namespace {

// "#12" -> 12; false for anything else.
bool ParseIndexSelector(const std::string& strText, long& nIndex)
{
    if (strText.size() < 2 || strText[0] != '#')
        return false;
    for (std::size_t i = 1; i < strText.size(); ++i) {
        if (strText[i] < '0' || strText[i] > '9')
            return false;
    }
    errno = 0;
    nIndex = std::strtol(strText.c_str() + 1, nullptr, 10);
    if (errno == ERANGE || nIndex > INT_MAX)
        nIndex = INT_MAX;
    return true;
}

}  // namespace

int FindEntry(const CliContext& ctx, const CChipCatalog& catalog, const ChipSelector& selector)
{
    long nIndex = 0;
    if (!selector.bHex && ParseIndexSelector(selector.strText, nIndex)) {
        if (nIndex >= catalog.GetEntryCount())
            throw CCliError(ctx.strFile, "no chip " + selector.strText + " (the file has " +
                                             std::to_string(catalog.GetEntryCount()) + ")");
        return static_cast<int>(nIndex);
    }
    std::string strName = NameFromArgument(selector.strText, selector.bHex, ctx.cp, "chip name");
    int nFound = catalog.FindEntryByName(strName.c_str());
    if (nFound < 0)
        throw CCliError(ctx.strFile, "no chip named " + QuotedText(strName, ctx.cp));
    return nFound;
}

std::string EntryLabel(const CChipCatalog& catalog, int nIndex, CodePage cp)
{
    return "#" + std::to_string(nIndex) + " " + QuotedText(catalog.Entries()[nIndex].name.Str(), cp);
}
