#include "JsonDocument.h"

#include "CliContext.h"
#include "CliError.h"

#include <algorithm>

namespace {

// Deeper documents are refused before they are parsed: an exported catalogue nests
// three levels, and every level costs stack in the parser and in whoever walks the result.
const int kMaxDepth = 100;

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

}  // namespace

Json ParseJsonDocument(const std::string& strText, const std::string& strSource)
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
