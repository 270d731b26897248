#pragma once

#include "CollationTables.h"

#ifndef _WIN32

// A unit's record (CollationTables.h), read.
struct CollationUnitView {
    unsigned kind;
    const unsigned char* pPrimary;
    std::size_t nPrimary;
    const unsigned char* pDiacritic;
    std::size_t nDiacritic;
    const unsigned char* pCase;  // null when every case weight is 02
    std::size_t nCase;
    const unsigned char* pKana;  // the four rows, nKana weights each
    std::size_t nKana;
    const unsigned char* pSpecial;  // weight and case byte
    std::size_t nLength;            // of the record
};

CollationUnitView ViewCollationUnit(const unsigned char* pUnit);

// A unit's record held here rather than in the tables: made, or a character's of a
// stepped range or a template.
class CCollationUnit {
public:
    CCollationUnit() = default;
    // A normal record with the given weights, its case weights all 02.
    CCollationUnit(const unsigned char* pPrimary, std::size_t nPrimary, const unsigned char* pDiacritic,
                   std::size_t nDiacritic, std::size_t nCase, const unsigned char* pKana = nullptr);
    // The record of character nIndex of a stepped range that starts with pRecord.
    static CCollationUnit Stepped(const unsigned char* pRecord, std::size_t nIndex);
    // The record of character nIndex of a template at pTemplate.
    static CCollationUnit FromTemplate(const unsigned char* pTemplate, std::size_t nIndex);
    static CCollationUnit Copy(const unsigned char* pRecord);
    // A character no table weighs: after all others, by its code point.
    static CCollationUnit Unknown(char32_t c);

    const unsigned char* Record() const { return m_record; }

private:
    void Put(const unsigned char* p, std::size_t n);

    unsigned char m_record[48];
    std::size_t m_n = 0;
};

// The record of c's unit in a language: its own, the default order's, or one made in
// unit.
const unsigned char* FindCollationUnit(const CollationLanguage& language, char32_t c, CCollationUnit& unit);

#endif
