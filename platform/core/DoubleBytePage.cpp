#include "CodePage.h"
#include "CodePageData.h"

#include <algorithm>
#include <iterator>
#include <mutex>
#include <utility>
#include <vector>

namespace {

// The characters a page writes, with the code it writes each as, sorted by character.
using WrittenCodes = std::vector<std::pair<char16_t, std::uint16_t>>;

WrittenCodes BuildWrittenCodes(const DoubleBytePageTable& page)
{
    WrittenCodes codes;
    for (int b = 0x80; b < 0x100; ++b) {
        if (!IsLeadByte(page, static_cast<unsigned char>(b)))
            codes.emplace_back(page.aSingle[b - 0x80], static_cast<std::uint16_t>(b));
    }
    for (std::size_t r = 0; r < page.nRuns; ++r) {
        const DoubleByteRun& run = page.pRuns[r];
        for (std::uint16_t k = 0; k < run.nCount; ++k) {
            const auto nCode = static_cast<std::uint16_t>(run.nFirst + k);
            if (!IsDoubleByteVariant(page, nCode))
                codes.emplace_back(DoubleByteCharOf(page, nCode), nCode);
        }
    }
    std::sort(codes.begin(), codes.end());
    return codes;
}

// Made on first use, one page at a time: most programs only ever need the system's.
const WrittenCodes& WrittenCodesOf(const DoubleBytePageTable& page)
{
    static WrittenCodes codes[kDoubleBytePageTableCount];
    static std::once_flag built[kDoubleBytePageTableCount];
    const auto n = static_cast<std::size_t>(&page - kDoubleBytePageTables);
    std::call_once(built[n], [&page, n] { codes[n] = BuildWrittenCodes(page); });
    return codes[n];
}

}  // namespace

bool IsLeadByte(const DoubleBytePageTable& page, unsigned char b)
{
    const unsigned char* r = page.aLeadRanges;
    return (b >= r[0] && b <= r[1]) || (r[2] != 0 && b >= r[2] && b <= r[3]);
}

char16_t DoubleByteCharOf(const DoubleBytePageTable& page, std::uint16_t nCode)
{
    const DoubleByteRun* pEnd = page.pRuns + page.nRuns;
    const DoubleByteRun* pRun = std::upper_bound(
        page.pRuns, pEnd, nCode, [](std::uint16_t n, const DoubleByteRun& run) { return n < run.nFirst; });
    if (pRun == page.pRuns)
        return 0;
    --pRun;
    const unsigned nOffset = nCode - pRun->nFirst;
    if (nOffset >= pRun->nCount)
        return 0;
    if (pRun->nListed == kCountedRun)
        return static_cast<char16_t>(pRun->nChar + nOffset);
    return page.pChars[pRun->nListed + nOffset];
}

bool IsDoubleByteVariant(const DoubleBytePageTable& page, std::uint16_t nCode)
{
    return std::binary_search(page.pVariants, page.pVariants + page.nVariants, nCode);
}

std::uint16_t DoubleByteCodeOf(const DoubleBytePageTable& page, char32_t c)
{
    if (c > 0xFFFF)
        return 0;
    const WrittenCodes& codes = WrittenCodesOf(page);
    const auto it = std::lower_bound(codes.begin(), codes.end(), std::make_pair(static_cast<char16_t>(c), std::uint16_t{0}));
    return it != codes.end() && it->first == c ? it->second : 0;
}
