#include "FuzzCheck.h"
#include "PartName.h"

#include <cstdint>

// Any chip name is read without harm; a part number found in it reads, on its own, as
// the same part, and so does the name with its letters in the other case.
namespace {

std::string SwapCase(std::string s)
{
    for (char& c : s) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

bool SamePart(const PartMatch& a, const PartMatch& b)
{
    return a.pFamily == b.pFamily && a.pMaker == b.pMaker && a.pSeries == b.pSeries && a.strPart == b.strPart &&
           a.strSuffix == b.strSuffix && a.nPage == b.nPage;
}

std::string Detail(const std::string& strName, const PartMatch& match)
{
    return "name: " + FuzzHex(strName) + "\npart: " + match.strPart + "\n" + DescribePart(match);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string strName(reinterpret_cast<const char*>(pData), nSize);
    OrgInText(strName);
    PartMatch match;
    if (!MatchPartName(strName, match))
        return 0;
    FUZZ_REQUIRE(match.pFamily && match.pMaker && !match.strPart.empty(), FuzzHex(strName));
    DescribePart(match);

    PartMatch alone;
    FUZZ_REQUIRE(MatchPartName(match.strPart, alone) && SamePart(alone, match), Detail(strName, match));
    // What the rest of the name says about the organisation is not in the part number.
    FUZZ_REQUIRE(!match.bOrgFixed || (alone.bOrgFixed && alone.org == match.org), Detail(strName, match));

    PartMatch swapped;
    FUZZ_REQUIRE(MatchPartName(SwapCase(strName), swapped) && SamePart(swapped, match) && swapped.org == match.org &&
                     swapped.bOrgFixed == match.bOrgFixed,
                 Detail(strName, match));
    return 0;
}
