#include "CollationUnit.h"

#ifndef _WIN32
#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <mutex>
#include <vector>

CollationUnitView ViewCollationUnit(const unsigned char* pUnit)
{
    CollationUnitView v = {};
    v.kind = pUnit[0] >> 5;
    const unsigned char* p = pUnit + 1;
    switch (v.kind) {
    case collationNormal:
    case collationPlain:
        v.pPrimary = p;
        v.nPrimary = pUnit[0] & 31;
        p += v.nPrimary;
        v.nDiacritic = *p >> 4;
        v.nCase = *p & 15;
        v.pDiacritic = ++p;
        p += v.nDiacritic;
        if (v.kind == collationNormal) {
            v.pCase = p;
            p += v.nCase;
            v.nKana = *p++;
            v.pKana = p;
            p += 4 * v.nKana;
        }
        break;
    case collationMark:
        v.pDiacritic = p++;
        v.nDiacritic = 1;
        break;
    case collationSpecial:
        v.pSpecial = p;
        p += 2;
        break;
    case collationRepeat:
        p += 3;
        break;
    default:
        break;
    }
    v.nLength = static_cast<std::size_t>(p - pUnit);
    return v;
}

CCollationUnit::CCollationUnit(const unsigned char* pPrimary, std::size_t nPrimary, const unsigned char* pDiacritic,
                               std::size_t nDiacritic, std::size_t nCase, const unsigned char* pKana)
{
    m_record[m_n++] = static_cast<unsigned char>(nPrimary);
    Put(pPrimary, nPrimary);
    m_record[m_n++] = static_cast<unsigned char>(nDiacritic << 4 | nCase);
    Put(pDiacritic, nDiacritic);
    for (std::size_t i = 0; i < nCase; ++i)
        m_record[m_n++] = 2;
    m_record[m_n++] = pKana ? 1 : 0;
    Put(pKana, pKana ? 4 : 0);
}

CCollationUnit CCollationUnit::Stepped(const unsigned char* pRecord, std::size_t nIndex)
{
    CCollationUnit unit = Copy(pRecord);
    // The last two primary weights as one number, their digits counting from 02 to FF.
    unsigned char* pLast = unit.m_record + (unit.m_record[0] & 31);
    const std::size_t nValue = pLast[-1] * 254u + pLast[0] - 2 + nIndex;
    pLast[-1] = static_cast<unsigned char>(nValue / 254);
    pLast[0] = static_cast<unsigned char>(nValue % 254 + 2);
    return unit;
}

CCollationUnit CCollationUnit::FromTemplate(const unsigned char* pTemplate, std::size_t nIndex)
{
    CCollationUnit unit;
    const CollationUnitView v = ViewCollationUnit(pTemplate);
    unit.Put(pTemplate, v.nLength);
    const unsigned char* pWeights = pTemplate + v.nLength + nIndex * (v.nPrimary + v.nDiacritic);
    std::memcpy(unit.m_record + 1, pWeights, v.nPrimary);
    std::memcpy(unit.m_record + 2 + v.nPrimary, pWeights + v.nPrimary, v.nDiacritic);
    return unit;
}

CCollationUnit CCollationUnit::Copy(const unsigned char* pRecord)
{
    CCollationUnit unit;
    unit.Put(pRecord, ViewCollationUnit(pRecord).nLength);
    return unit;
}

CCollationUnit CCollationUnit::Unknown(char32_t c)
{
    const unsigned char primary[] = {0xFF, 0xFE, static_cast<unsigned char>(c >> 16),
                                     static_cast<unsigned char>(c >> 8), static_cast<unsigned char>(c)};
    const unsigned char diacritic = 2;
    return CCollationUnit(primary, sizeof primary, &diacritic, 1, 1);
}

void CCollationUnit::Put(const unsigned char* p, std::size_t n)
{
    if (n)
        std::memcpy(m_record + m_n, p, n);
    m_n += n;
}

namespace {

// The unit of c in the language's own ranges, or null.
const unsigned char* FindIn(const CollationLanguage& language, char32_t c, CCollationUnit& unit)
{
    const CollationRange* pEnd = language.pRanges + language.nRanges;
    const CollationRange* pRange = std::upper_bound(
        language.pRanges, pEnd, c, [](char32_t c2, const CollationRange& range) { return c2 < range.nFirst; });
    if (pRange == language.pRanges || c > pRange[-1].nLast)
        return nullptr;
    --pRange;
    const unsigned char* pFirst = kCollationUnits + pRange->nUnit;
    std::size_t nIndex = c - pRange->nFirst;
    if (pRange->kind == collationListed) {
        const std::uint64_t nWord = kCollationPresence[pRange->nWord + nIndex / 64];
        if (!(nWord >> (nIndex % 64) & 1))
            return nullptr;
        const std::uint64_t nBefore = nWord & ((std::uint64_t(1) << (nIndex % 64)) - 1);
        nIndex = kCollationPresent[pRange->nWord + nIndex / 64] + static_cast<std::size_t>(__builtin_popcountll(nBefore));
    }
    if (pRange->kind == collationStepped)
        unit = CCollationUnit::Stepped(pFirst, nIndex);
    else if (pRange->bTemplate)
        unit = CCollationUnit::FromTemplate(pFirst, nIndex);
    else
        return pFirst + nIndex * ViewCollationUnit(pFirst).nLength;
    return unit.Record();
}

const unsigned char* FindInTables(const CollationLanguage& language, char32_t c, CCollationUnit& unit)
{
    if (const unsigned char* pUnit = FindIn(language, c, unit))
        return pUnit;
    return FindIn(kCollationLanguages[0], c, unit);
}

// The units of the ASCII characters of a language, found once, when the language is
// first used: most names are mostly ASCII.
const CCollationUnit& AsciiUnit(const CollationLanguage& language, char32_t c)
{
    using Units = std::array<CCollationUnit, 128>;
    static std::vector<std::once_flag> found(kCollationLanguageCount);
    static std::vector<std::unique_ptr<Units>> units(kCollationLanguageCount);
    const std::size_t nLanguage = static_cast<std::size_t>(&language - kCollationLanguages);
    std::call_once(found[nLanguage], [&language, nLanguage] {
        units[nLanguage] = std::make_unique<Units>();
        for (char32_t c2 = 0; c2 < 128; ++c2) {
            CCollationUnit& unit = (*units[nLanguage])[c2];
            const unsigned char* pUnit = FindInTables(language, c2, unit);
            if (!pUnit)
                unit = CCollationUnit::Unknown(c2);
            else if (pUnit != unit.Record())
                unit = CCollationUnit::Copy(pUnit);
        }
    });
    return (*units[nLanguage])[c];
}

}  // namespace

const unsigned char* FindCollationUnit(const CollationLanguage& language, char32_t c, CCollationUnit& unit)
{
    if (c < 128)
        return AsciiUnit(language, c).Record();
    if (const unsigned char* pUnit = FindInTables(language, c, unit))
        return pUnit;
    unit = CCollationUnit::Unknown(c);
    return unit.Record();
}

#endif
