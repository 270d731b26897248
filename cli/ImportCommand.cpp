#include "Commands.h"

#include "CatalogJson.h"
#include "CliError.h"
#include "JsonDocument.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sys/stat.h>

namespace {

std::string ReadInput(const std::string& strPath, const std::string& strSource)
{
    if (strPath == "-")
        return std::string(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    std::ifstream file(strPath, std::ios::binary);
    if (!file)
        throw CCliError(strSource, std::strerror(errno), exitUsage);
    std::string strText((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        throw CCliError(strSource, "cannot read it", exitUsage);
    return strText;
}

bool PathExists(const std::string& strPath)
{
    struct stat st {};
#ifdef _WIN32
    return ::stat(strPath.c_str(), &st) == 0;
#else
    // A link that leads nowhere is there too.
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
