#include "CollationKey.h"

#ifndef _WIN32
#include "CollationUnit.h"

#include <algorithm>
#include <cstring>

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

class CKeyBuilder {
public:
    explicit CKeyBuilder(const CollationLanguage& language) : m_language(language) {}
    std::string Build(const std::u32string& text);

private:
    std::size_t NextUnit(const std::u32string& text, std::size_t i, const unsigned char*& pUnit,
                         CCollationUnit& unit) const;
    CCollationUnit Repeated(const std::u32string& text, std::size_t nMark, const unsigned char* pMark) const;
    void Add(const unsigned char* pUnit);
    std::string Finish();

    const CollationLanguage& m_language;
    std::string m_primary, m_diacritic, m_case, m_special;
    std::string m_kana[4];
};

// The unit at i, the longest of the language's joined units that starts there or the
// character's own; returns its length in characters.
std::size_t CKeyBuilder::NextUnit(const std::u32string& text, std::size_t i, const unsigned char*& pUnit,
                                  CCollationUnit& unit) const
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
    pUnit = FindCollationUnit(m_language, text[i], unit);
    return 1;
}

// A length or iteration mark weighs as the character before it that sorts; after kana,
// as that kana (a length mark as its vowel). With none before it, or after a character
// that expands to several, it weighs FF FF.
CCollationUnit CKeyBuilder::Repeated(const std::u32string& text, std::size_t nMark, const unsigned char* pMark) const
{
    for (std::size_t i = nMark; i-- > 0;) {
        CCollationUnit unit;
        const CollationUnitView v = ViewCollationUnit(FindCollationUnit(m_language, text[i], unit));
        if (v.kind == collationIgnored || v.kind == collationMark || v.kind == collationRepeat)
            continue;
        if (v.kind == collationSpecial) {
            const unsigned char primary[] = {6, v.pSpecial[0]};
            const unsigned char diacritic = static_cast<unsigned char>(v.pSpecial[1] >> 3);
            return CCollationUnit(primary, 2, &diacritic, 1, 1);
        }
        const unsigned char* p = v.pPrimary;
        if (v.nKana) {
            const bool bLengthens = pMark[2] == 5;
            const unsigned char primary[] = {p[0], static_cast<unsigned char>(bLengthens ? p[1] & 0x87 : p[1])};
            const unsigned char kana[] = {v.pKana[0], pMark[2], v.pKana[2 * v.nKana],
                                          bLengthens ? pMark[3] : v.pKana[3 * v.nKana]};
            return CCollationUnit(primary, 2, pMark + 1, 1, 1, kana);
        }
        if (v.nPrimary == 4 && p[0] == 0xFD && p[1] == 0xFF) {
            const unsigned char primary[] = {5, p[2]};
            return CCollationUnit(primary, 2, p + 3, 1, 1);
        }
        if (v.nPrimary > 3)
            break;
        return CCollationUnit(p, v.nPrimary, v.pDiacritic, v.nDiacritic, v.nCase);
    }
    const unsigned char primary[] = {0xFF, 0xFF};
    return CCollationUnit(primary, 2, nullptr, 0, 0);
}

void CKeyBuilder::Add(const unsigned char* pUnit)
{
    const CollationUnitView v = ViewCollationUnit(pUnit);
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
        CCollationUnit unit;
        const std::size_t nLength = NextUnit(text, i, pUnit, unit);
        if (pUnit[0] >> 5 == collationRepeat) {
            unit = Repeated(text, i, pUnit);
            pUnit = unit.Record();
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
