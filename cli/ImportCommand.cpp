#include "Commands.h"

#include "CatalogJson.h"
#include "CliError.h"
#include "File.h"
#include "JsonDocument.h"

#include <cerrno>
#include <iostream>
#include <iterator>
#include <sys/stat.h>
#include <vector>

namespace {

std::string ReadInput(const std::string& strPath, const std::string& strSource)
{
    if (strPath == "-")
        return std::string(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    CFile file;
    std::vector<BYTE> bytes;
    if (!file.Open(strPath.c_str(), CFile::modeRead))
        throw CCliError(strSource, CFile::ErrorText(file.GetLastError()), exitUsage);
    if (!file.ReadAll(bytes))
        throw CCliError(strSource, "cannot read it: " + CFile::ErrorText(file.GetLastError()), exitUsage);
    return std::string(bytes.begin(), bytes.end());
}

bool PathExists(const std::string& strPath)
{
#ifdef _WIN32
    CFileStatus status;
    return CFile::GetStatus(strPath.c_str(), status) != ENOENT;
#else
    // A link that leads nowhere is there too.
    struct stat st {};
    return ::lstat(strPath.c_str(), &st) == 0;
#endif
}

}  // namespace

void RunImport(CliContext& ctx, const ImportOptions& options)
{
    const std::string strSource = options.strInput == "-" ? "(stdin)" : options.strInput;
    const Json document = ParseJsonDocument(ReadInput(options.strInput, strSource), strSource);
    CChipCatalog catalog;
    CatalogFromJson(document, strSource, catalog);
    CCatalogWriteLock lock(ctx);
    // Import makes a new catalogue; replacing one that is there must be asked for.
    if (!options.bForce && PathExists(ctx.strFile))
        throw CCliError(ctx.strFile, "already exists; give --force to replace it");
    SaveCatalog(ctx, catalog);
}
