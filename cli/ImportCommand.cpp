#include "Commands.h"

#include "CatalogJson.h"
#include "CliError.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sys/stat.h>

namespace {

std::string ReadInput(const std::string& strPath)
{
    if (strPath == "-")
        return std::string(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    std::ifstream file(strPath, std::ios::binary);
    if (!file)
        throw CCliError(strPath, std::strerror(errno));
    std::string strText((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        throw CCliError(strPath, "cannot read it");
    return strText;
}

bool PathExists(const std::string& strPath)
{
    struct stat st {};
    return ::lstat(strPath.c_str(), &st) == 0;
}

}  // namespace

void RunImport(CliContext& ctx, const ImportOptions& options)
{
    const std::string strSource = options.strInput == "-" ? "(stdin)" : options.strInput;
    Json document;
    try {
        document = Json::parse(ReadInput(options.strInput));
    } catch (const Json::parse_error& e) {
        throw CCliError(strSource, e.what());
    }
    CChipCatalog catalog;
    CatalogFromJson(document, strSource, catalog);
    // Import makes a new catalogue; replacing one that is there must be asked for.
    if (!options.bForce && PathExists(ctx.strFile))
        throw CCliError(ctx.strFile, "already exists; give --force to replace it");
    SaveCatalog(ctx, catalog);
}
