#pragma once

#include <cstddef>
#include <cstdint>

#ifndef _WIN32

// Windows' sort weights, as tools/collation/make_collation_tables.py read them from
// Windows' own sort keys. A unit is what a character, or a run of characters that a
// language sorts as one letter, adds to a key; it is a record in kCollationUnits:
//   a byte with its kind in the top three bits and the count of its primary weights
//   below; then, by kind:
//   normal   the primary weights; a byte with the counts of diacritic (high four bits)
//            and case weights; those weights; a byte with the count of kana rows'
//            weights, then each of the four rows
//   mark     the diacritic it adds to the one before it
//   special  the weight and the case byte of a hyphen or an apostrophe
//   ignored  nothing more
//   repeat   a length or iteration mark: its diacritic, its second kana row and its
//            width, used when it follows kana
//   plain    a normal unit without kana whose case weights are all 02: the primary
//            weights, the byte of counts and the diacritics only
enum CollationKind : unsigned char {
    collationNormal,
    collationMark,
    collationSpecial,
    collationIgnored,
    collationRepeat,
    collationPlain,
};

// Characters nFirst to nLast and their units, from kCollationUnits[nUnit]. A
// consecutive range has a unit for every code point, a listed range only for those set
// in its bitmap, 64 code points a word from kCollationPresence[nWord] on (with the
// count of characters before each word in kCollationPresent). Their records follow one
// another, all of one length; or, in a template, a plain record comes first and then
// each character's primary and diacritic weights, which stand in for the record's. In
// a stepped range each character weighs one more than the one before it in its last
// two primary weights (which count from 02 to FF, so that FF is followed by 02 and a
// carry), from the record at nUnit.
enum CollationRangeKind : unsigned char { collationConsecutive, collationStepped, collationListed };

struct CollationRange {
    std::uint16_t nFirst;
    std::uint16_t nLast;
    std::uint32_t nUnit : 29;
    std::uint32_t kind : 2;
    std::uint32_t bTemplate : 1;
    std::uint32_t nWord;
};

// A run of characters sorted as one letter (Czech "ch", Hungarian "dzs").
struct CollationJoined {
    const char16_t* pszText;
    std::uint32_t nUnit;
};

struct CollationLanguage {
    // The locales' languages that take this order, each followed by a space; a script
    // modifier ("sr@latin") or, for Chinese, a territory ("zh_TW") where it matters.
    const char* pszNames;
    // The characters it weighs apart from the default order, by code point; the default
    // order (the first language) weighs every character of the code pages.
    const CollationRange* pRanges;
    std::size_t nRanges;
    const CollationJoined* pJoined;  // sorted by text
    std::size_t nJoined;
    // Diacritics compare from the last one on, as in French.
    bool bReverseDiacritics;
};

extern const unsigned char kCollationUnits[];
extern const std::uint64_t kCollationPresence[];
extern const std::uint16_t kCollationPresent[];
extern const CollationLanguage kCollationLanguages[];
extern const std::size_t kCollationLanguageCount;
// The neutral values of the four kana rows, which a key leaves out at their ends.
extern const unsigned char kCollationKanaNeutral[4];

#endif
