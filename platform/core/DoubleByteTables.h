#pragma once

#include <cstddef>
#include <cstdint>

// The double-byte pages and Unicode's lower case, made by tools/make_double_byte_tables.py.

// Consecutive codes (lead << 8 | trail) of a page with their characters: either counting
// up from nChar, or listed from the page's aChars[nListed] on.
struct DoubleByteRun {
    std::uint16_t nFirst;
    std::uint16_t nCount;
    char16_t nChar;
    std::uint16_t nListed;  // kCountedRun for a run that counts up
};
constexpr std::uint16_t kCountedRun = 0xFFFF;

struct DoubleBytePageTable {
    int nNumber;
    unsigned char aLeadRanges[4];  // first and last lead byte of up to two ranges
    // What Windows reads an undefined pair or a lead byte without its trail byte as.
    char16_t cDefault;
    // The character of each byte from 0x80 that is no lead byte; 0 for a lead byte.
    char16_t aSingle[128];
    const DoubleByteRun* pRuns;  // by nFirst; codes in no run are undefined
    std::size_t nRuns;
    const char16_t* pChars;
    // Codes of characters that another code of the page also has, which is the one
    // Windows writes; sorted.
    const std::uint16_t* pVariants;
    std::size_t nVariants;
};

constexpr int kDoubleBytePageTableCount = 4;
extern const DoubleBytePageTable kDoubleBytePageTables[kDoubleBytePageTableCount];

// Characters from cFirst, every nStep-th of nCount, whose simple lower case is nDistance
// away; sorted by cFirst.
struct LowerCaseRange {
    char32_t cFirst;
    std::uint16_t nCount;
    std::uint8_t nStep;
    std::int32_t nDistance;
};
extern const LowerCaseRange kLowerCaseRanges[];
extern const std::size_t kLowerCaseRangeCount;
