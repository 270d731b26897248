#include "CollationKey.h"

#ifndef _WIN32
#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace {

const CollationLanguage& DefaultLanguage() { return kCollationLanguages[0]; }

bool Names(const CollationLanguage& language, const std::string& strName)
{
    const std::string strKey = strName + " ";
    for (const char* psz = std::strstr(language.pszNames, strKey.c_str()); psz;
         psz = std::strstr(psz + 1, strKey.c_str())) {
        if (psz == language.pszNames || psz[-1] == ' ')
            return true;
    }
    return false;
}

// A unit's record, read.
struct UnitView {
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
    std::size_t nLength;  // of the record
};

UnitView View(const unsigned char* pUnit)
{
    UnitView v = {};
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

// A unit built here rather than read from the tables: a normal record.
class CMadeUnit {
public:
    CMadeUnit() = default;
    CMadeUnit(const unsigned char* pPrimary, std::size_t nPrimary, const unsigned char* pDiacritic,
              std::size_t nDiacritic, std::size_t nCase, const unsigned char* pKana = nullptr)
    {
        m_n = 0;
        m_record[m_n++] = static_cast<unsigned char>(nPrimary);
        Put(pPrimary, nPrimary);
        m_record[m_n++] = static_cast<unsigned char>(nDiacritic << 4 | nCase);
        Put(pDiacritic, nDiacritic);
        for (std::size_t i = 0; i < nCase; ++i)
            m_record[m_n++] = 2;
        m_record[m_n++] = pKana ? 1 : 0;
        Put(pKana, pKana ? 4 : 0);
    }
    // A normal record whose last two primary weights count nStep further.
    CMadeUnit(const unsigned char* pRecord, std::size_t nStep) : m_n(View(pRecord).nLength)
    {
        std::memcpy(m_record, pRecord, m_n);
        unsigned char* pLast = m_record + (m_record[0] & 31);
        const std::size_t nValue = pLast[-1] * 254u + pLast[0] - 2 + nStep;
        pLast[-1] = static_cast<unsigned char>(nValue / 254);
        pLast[0] = static_cast<unsigned char>(nValue % 254 + 2);
    }
    // The record of character nIndex of a template: the plain record at pTemplate with
    // that character's primary and diacritic weights, which follow it.
    static CMadeUnit FromTemplate(const unsigned char* pTemplate, std::size_t nIndex)
    {
        CMadeUnit made;
        const UnitView v = View(pTemplate);
        made.m_n = v.nLength;
        std::memcpy(made.m_record, pTemplate, v.nLength);
        const std::size_t nWeights = v.nPrimary + v.nDiacritic;
        const unsigned char* pWeights = pTemplate + v.nLength + nIndex * nWeights;
        std::memcpy(made.m_record + 1, pWeights, v.nPrimary);
        std::memcpy(made.m_record + 2 + v.nPrimary, pWeights + v.nPrimary, v.nDiacritic);
        return made;
    }
    const unsigned char* Record() const { return m_record; }

private:
    void Put(const unsigned char* p, std::size_t n)
    {
        if (n)
            std::memcpy(m_record + m_n, p, n);
        m_n += n;
    }
    unsigned char m_record[48];
    std::size_t m_n = 0;
};

// A character no table weighs sorts after all others, by its code point.
CMadeUnit UnknownUnit(char32_t c)
{
    const unsigned char primary[] = {0xFF, 0xFE, static_cast<unsigned char>(c >> 16),
                                     static_cast<unsigned char>(c >> 8), static_cast<unsigned char>(c)};
    const unsigned char diacritic = 2;
    return CMadeUnit(primary, sizeof primary, &diacritic, 1, 1);
}

// The unit of c in the language's own ranges, or null. A unit of a stepped range or of
// a template is made in made.
const unsigned char* FindIn(const CollationLanguage& language, char32_t c, CMadeUnit& made)
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
        const std::size_t nWord = pRange->nWord + nIndex / 64;
        const std::uint64_t nBefore = kCollationPresence[nWord] & ((std::uint64_t(1) << (nIndex % 64)) - 1);
        if (!(kCollationPresence[nWord] >> (nIndex % 64) & 1))
            return nullptr;
        nIndex = kCollationPresent[nWord] + static_cast<std::size_t>(__builtin_popcountll(nBefore));
    }
    if (pRange->kind == collationStepped) {
        made = CMadeUnit(pFirst, nIndex);
        return made.Record();
    }
    if (pRange->bTemplate) {
        made = CMadeUnit::FromTemplate(pFirst, nIndex);
        return made.Record();
    }
    return pFirst + nIndex * View(pFirst).nLength;
}

class CKeyBuilder {
public:
    explicit CKeyBuilder(const CollationLanguage& language) : m_language(language) {}
    std::string Build(const std::u32string& text);

private:
    const unsigned char* UnitOf(char32_t c, CMadeUnit& made) const;
    std::size_t NextUnit(const std::u32string& text, std::size_t i, const unsigned char*& pUnit, CMadeUnit& made) const;
    CMadeUnit Repeated(const std::u32string& text, std::size_t nMark, const unsigned char* pMark) const;
    void Add(const unsigned char* pUnit);
    std::string Finish();

    const CollationLanguage& m_language;
    std::string m_primary, m_diacritic, m_case, m_special;
    std::string m_kana[4];
};

// The records of the ASCII characters of each language, looked up once: most names
// are mostly ASCII.
const unsigned char* AsciiUnit(const CollationLanguage& language, char32_t c)
{
    static const std::vector<std::array<const unsigned char*, 128>> units = [] {
        std::vector<std::array<const unsigned char*, 128>> all(kCollationLanguageCount);
        for (std::size_t i = 0; i < kCollationLanguageCount; ++i) {
            for (char32_t c2 = 0; c2 < 128; ++c2) {
                CMadeUnit made;
                const unsigned char* pUnit = FindIn(kCollationLanguages[i], c2, made);
                if (!pUnit)
                    pUnit = FindIn(DefaultLanguage(), c2, made);
                all[i][c2] = pUnit == made.Record() ? nullptr : pUnit;
            }
        }
        return all;
    }();
    return units[static_cast<std::size_t>(&language - kCollationLanguages)][c];
}

const unsigned char* CKeyBuilder::UnitOf(char32_t c, CMadeUnit& made) const
{
    if (c < 128) {
        if (const unsigned char* pUnit = AsciiUnit(m_language, c))
            return pUnit;
    }
    if (const unsigned char* pUnit = FindIn(m_language, c, made))
        return pUnit;
    if (const unsigned char* pUnit = FindIn(DefaultLanguage(), c, made))
        return pUnit;
    made = UnknownUnit(c);
    return made.Record();
}

// The unit at i, the longest of the language's joined units that starts there or the
// character's own; returns its length in characters.
std::size_t CKeyBuilder::NextUnit(const std::u32string& text, std::size_t i, const unsigned char*& pUnit,
                                  CMadeUnit& made) const
{
    const CollationJoined* pEnd = m_language.pJoined + m_language.nJoined;
    const CollationJoined* pJoined = std::lower_bound(
        m_language.pJoined, pEnd, text[i],
        [](const CollationJoined& joined, char32_t c) { return char32_t(joined.pszText[0]) < c; });
    std::size_t nBest = 0;
    for (; pJoined != pEnd && char32_t(pJoined->pszText[0]) == text[i]; ++pJoined) {
        std::size_t n = 0;
        while (pJoined->pszText[n] && i + n < text.size() && char32_t(pJoined->pszText[n]) == text[i + n])
            ++n;
        if (!pJoined->pszText[n] && n > nBest) {
            nBest = n;
            pUnit = kCollationUnits + pJoined->nUnit;
        }
    }
    if (nBest)
        return nBest;
    pUnit = UnitOf(text[i], made);
    return 1;
}

// A length or iteration mark weighs as the character before it that sorts; after kana,
// as that kana (a length mark as its vowel). With none before it, or after a character
// that expands to several, it weighs FF FF.
CMadeUnit CKeyBuilder::Repeated(const std::u32string& text, std::size_t nMark, const unsigned char* pMark) const
{
    for (std::size_t i = nMark; i-- > 0;) {
        CMadeUnit made;
        const UnitView v = View(UnitOf(text[i], made));
        if (v.kind == collationIgnored || v.kind == collationMark || v.kind == collationRepeat)
            continue;
        if (v.kind == collationSpecial) {
            const unsigned char primary[] = {6, v.pSpecial[0]};
            const unsigned char diacritic = static_cast<unsigned char>(v.pSpecial[1] >> 3);
            return CMadeUnit(primary, 2, &diacritic, 1, 1);
        }
        const unsigned char* p = v.pPrimary;
        if (v.nKana) {
            const bool bLengthens = pMark[2] == 5;
            const unsigned char primary[] = {p[0], static_cast<unsigned char>(bLengthens ? p[1] & 0x87 : p[1])};
            const unsigned char kana[] = {v.pKana[0], pMark[2], v.pKana[2 * v.nKana],
                                          bLengthens ? pMark[3] : v.pKana[3 * v.nKana]};
            return CMadeUnit(primary, 2, pMark + 1, 1, 1, kana);
        }
        if (v.nPrimary == 4 && p[0] == 0xFD && p[1] == 0xFF) {
            const unsigned char primary[] = {5, p[2]};
            return CMadeUnit(primary, 2, p + 3, 1, 1);
        }
        if (v.nPrimary > 3)
            break;
        return CMadeUnit(p, v.nPrimary, v.pDiacritic, v.nDiacritic, v.nCase);
    }
    const unsigned char primary[] = {0xFF, 0xFF};
    return CMadeUnit(primary, 2, nullptr, 0, 0);
}

void CKeyBuilder::Add(const unsigned char* pUnit)
{
    const UnitView v = View(pUnit);
    switch (v.kind) {
    case collationNormal:
    case collationPlain:
        m_primary.append(reinterpret_cast<const char*>(v.pPrimary), v.nPrimary);
        m_diacritic.append(reinterpret_cast<const char*>(v.pDiacritic), v.nDiacritic);
        if (v.pCase)
            m_case.append(reinterpret_cast<const char*>(v.pCase), v.nCase);
        else
            m_case.append(v.nCase, '\x02');
        for (std::size_t r = 0; r < 4; ++r)
            m_kana[r].append(reinterpret_cast<const char*>(v.pKana + r * v.nKana), v.nKana);
        break;
    case collationMark:
        // A combining mark adds its weight to the diacritic before it, wrapping round.
        if (m_diacritic.empty())
            m_diacritic += static_cast<char>(*v.pDiacritic);
        else
            m_diacritic.back() = static_cast<char>(static_cast<unsigned char>(m_diacritic.back()) + *v.pDiacritic);
        break;
    case collationSpecial: {
        // Where the hyphen stands: minus the count of characters weighed before it, less one.
        const unsigned nPlace = (0x10000u - static_cast<unsigned>(m_primary.size() / 2) - 1) & 0xFFFF;
        m_special += static_cast<char>(nPlace >> 8);
        m_special += static_cast<char>(nPlace & 0xFF);
        m_special.append(reinterpret_cast<const char*>(v.pSpecial), 2);
        break;
    }
    default:
        break;
    }
}

void TrimEnd(std::string& str, unsigned char neutral)
{
    while (!str.empty() && static_cast<unsigned char>(str.back()) == neutral)
        str.pop_back();
}

std::string CKeyBuilder::Finish()
{
    if (m_language.bReverseDiacritics)
        std::reverse(m_diacritic.begin(), m_diacritic.end());
    TrimEnd(m_diacritic, 2);
    TrimEnd(m_case, 2);
    std::string strKey = m_primary + '\x01' + m_diacritic + '\x01' + m_case + '\x01';
    if (!m_kana[2].empty()) {
        static const char kRowEnds[] = {'\xFF', '\x02', '\xFF', '\xFF'};
        for (int r = 0; r < 4; ++r) {
            TrimEnd(m_kana[r], kCollationKanaNeutral[r]);
            strKey += m_kana[r] + kRowEnds[r];
        }
    }
    return strKey + '\x01' + m_special + '\0';
}

std::string CKeyBuilder::Build(const std::u32string& text)
{
    m_primary.reserve(2 * text.size());
    m_diacritic.reserve(text.size());
    m_case.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char* pUnit = nullptr;
        CMadeUnit made;
        const std::size_t nLength = NextUnit(text, i, pUnit, made);
        if (pUnit[0] >> 5 == collationRepeat) {
            made = Repeated(text, i, pUnit);
            pUnit = made.Record();
        }
        Add(pUnit);
        i += nLength;
    }
    return Finish();
}

}  // namespace

const CollationLanguage& CollationLanguageOf(const std::string& strLocale)
{
    // language_TERRITORY.codeset@modifier
    const std::size_t nAt = strLocale.find('@');
    const std::string strBase = strLocale.substr(0, std::min(nAt, strLocale.find('.')));
    const std::string strLanguage = strBase.substr(0, strBase.find('_'));
    const std::string candidates[] = {nAt == std::string::npos ? "" : strLanguage + strLocale.substr(nAt), strBase,
                                      strLanguage};
    for (const std::string& strName : candidates) {
        for (std::size_t i = 1; !strName.empty() && i < kCollationLanguageCount; ++i) {
            if (Names(kCollationLanguages[i], strName))
                return kCollationLanguages[i];
        }
    }
    return DefaultLanguage();
}

std::string BuildSortKey(const CollationLanguage& language, const std::u32string& text)
{
    return CKeyBuilder(language).Build(text);
}

#endif
