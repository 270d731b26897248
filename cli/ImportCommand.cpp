#include "Commands.h"

#include "CatalogJson.h"
#include "CliError.h"
#include "File.h"
#include "NameText.h"

#include <cerrno>
#include <iostream>
#include <iterator>
#include <sys/stat.h>
#include <vector>

namespace {

// Deeper documents are refused before they are parsed: an exported catalogue nests
// three levels, and every level costs stack in the parser and in whoever walks the result.
const int kMaxDepth = 100;

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

// "line 3, column 14" for a byte offset.
std::string Position(const std::string& strText, std::size_t nOffset)
{
    nOffset = std::min(nOffset, strText.size());
    std::size_t nLine = 1, nLineStart = 0;
    for (std::size_t i = 0; i < nOffset; ++i) {
        if (strText[i] == '\n') {
            ++nLine;
            nLineStart = i + 1;
        }
    }
    return "line " + std::to_string(nLine) + ", column " + std::to_string(nOffset - nLineStart + 1);
}

// The offset where the nesting of arrays and objects first passes kMaxDepth, or npos.
std::size_t TooDeepAt(const std::string& strText)
{
    int nDepth = 0;
    bool bInString = false;
    for (std::size_t i = 0; i < strText.size(); ++i) {
        const char ch = strText[i];
        if (bInString) {
            if (ch == '\\')
                ++i;
            else if (ch == '"')
                bInString = false;
        } else if (ch == '"') {
            bInString = true;
        } else if (ch == '[' || ch == '{') {
            if (++nDepth > kMaxDepth)
                return i;
        } else if (ch == ']' || ch == '}') {
            --nDepth;
        }
    }
    return std::string::npos;
}

// A short excerpt of the text around an offset, quoted, for a syntax error.
std::string Excerpt(const std::string& strText, std::size_t nOffset)
{
    const std::size_t nStart = nOffset > 10 ? nOffset - 10 : 0;
    std::string strPart = strText.substr(nStart, 20);
    for (char& ch : strPart)
        ch = ch == '\n' || ch == '\r' || ch == '\t' ? ' ' : ch;
    return "\"" + strPart + "\"";
}

Json ParseDocument(const std::string& strText, const std::string& strSource)
{
    const std::size_t nDeep = TooDeepAt(strText);
    if (nDeep != std::string::npos)
        throw CCliError(strSource, "nested more than " + std::to_string(kMaxDepth) + " levels deep at " +
                                       Position(strText, nDeep) + "; a catalogue needs three",
                        exitUsage);
    try {
        return Json::parse(strText);
    } catch (const Json::parse_error& e) {
        const std::size_t nAt = e.byte > 0 ? e.byte - 1 : 0;
        throw CCliError(strSource, "not valid JSON at " + Position(strText, nAt) + ", near " + Excerpt(strText, nAt),
                        exitUsage);
    } catch (const Json::out_of_range&) {
        throw CCliError(strSource, "not valid JSON: it holds a number too large to be read", exitUsage);
    } catch (const Json::exception&) {
        throw CCliError(strSource, "not valid JSON", exitUsage);
    }
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
    const Json document = ParseDocument(ReadInput(options.strInput, strSource), strSource);
    CChipCatalog catalog;
    CatalogFromJson(document, strSource, catalog);
    CCatalogWriteLock lock(ctx);
    // Import makes a new catalogue; replacing one that is there must be asked for.
    if (!options.bForce && PathExists(ctx.strFile))
        throw CCliError(ctx.strFile, "already exists; give --force to replace it");
    SaveCatalog(ctx, catalog);
}
