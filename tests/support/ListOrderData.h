#pragma once

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <string>
#include <vector>

// The lists of tests/data/list-order: per locale, the names added to a sorted list box
// (common.names, then LOCALE.names) and the order the list box showed them in under
// Wine with that locale (LOCALE.sorted, whose first line names the code page), as
// tools/collation/make_list_order_oracle.sh made them.
namespace ListOrderData {

inline std::string Folder() { return std::string(ORVANE_SOURCE_DIR) + "/tests/data/list-order/"; }

inline std::vector<std::string> Lines(const std::string& strFile)
{
    std::vector<std::string> lines;
    std::ifstream in(Folder() + strFile);
    for (std::string strLine; std::getline(in, strLine);) {
        if (!strLine.empty() && strLine.rfind("# ", 0) != 0)
            lines.push_back(strLine);
    }
    return lines;
}

// The locales with a list, such as "pl_PL".
inline std::vector<std::string> Locales()
{
    std::vector<std::string> locales;
    if (DIR* pDir = opendir(Folder().c_str())) {
        while (const dirent* pEntry = readdir(pDir)) {
            const std::string strName = pEntry->d_name;
            const std::size_t nDot = strName.find(".sorted");
            if (nDot != std::string::npos && nDot + 7 == strName.size())
                locales.push_back(strName.substr(0, nDot));
        }
        closedir(pDir);
    }
    std::sort(locales.begin(), locales.end());
    return locales;
}

// The names in the order they were added.
inline std::vector<std::string> Added(const std::string& strLocale)
{
    std::vector<std::string> names = Lines("common.names");
    const std::vector<std::string> own = Lines(strLocale + ".names");
    names.insert(names.end(), own.begin(), own.end());
    return names;
}

// The names in the order the list box showed them.
inline std::vector<std::string> Shown(const std::string& strLocale) { return Lines(strLocale + ".sorted"); }

// The ANSI code page the list box's names were in.
inline int CodePageNumber(const std::string& strLocale)
{
    std::ifstream in(Folder() + strLocale + ".sorted");
    std::string strFirst;
    std::getline(in, strFirst);
    const std::size_t nAt = strFirst.find("code page ");
    return nAt == std::string::npos ? 0 : std::atoi(strFirst.c_str() + nAt + 10);
}

}  // namespace ListOrderData
