#include "PartName.h"

#include <cstring>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IsWordChar(char c)
{
    return IsDigit(c) || IsLetter(c);
}

// Only ASCII letters change: names are 8-bit text in any code page.
std::string UpperAscii(std::string s)
{
    for (char& c : s) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return s;
}

// The text with each character of more than one byte made spaces, so that words are read
// from whole characters: the second byte of a double-byte character may be a letter.
std::string SingleByteChars(const std::string& s, CodePage cp)
{
    std::string out = s;
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t nLength = AnsiCharAt(s, i, cp).nLength;
        if (nLength > 1)
            out.replace(i, nLength, nLength, ' ');
        i += nLength;
    }
    return out;
}

// OrgInText on a text whose characters are all single bytes.
PartOrg OrgInWords(const std::string& strText)
{
    bool bX8 = false, bX16 = false;
    for (std::size_t i = 0; i < strText.size(); ++i) {
        if ((strText[i] != 'x' && strText[i] != 'X') || (i > 0 && IsWordChar(strText[i - 1])))
            continue;
        std::size_t p = i + 1;
        while (p < strText.size() && IsDigit(strText[p]))
            ++p;
        if (p < strText.size() && IsLetter(strText[p]))
            continue;
        const std::string strDigits = strText.substr(i + 1, p - i - 1);
        bX8 = bX8 || strDigits == "8";
        bX16 = bX16 || strDigits == "16";
    }
    return bX8 == bX16 ? PartOrg::unknown : bX8 ? PartOrg::x8 : PartOrg::x16;
}

bool HasAt(const std::string& s, std::size_t nPos, const char* psz)
{
    return nPos <= s.size() && s.compare(nPos, std::strlen(psz), psz) == 0;
}

// A density code at nPos: a run of digits, or M and digits; the run must end there.
bool ReadDensity(const std::string& s, std::size_t nPos, std::string& strDensity, std::size_t& nEnd)
{
    std::size_t p = nPos < s.size() && s[nPos] == 'M' ? nPos + 1 : nPos;
    const std::size_t nDigits = p;
    while (p < s.size() && IsDigit(s[p]))
        ++p;
    if (p == nDigits)
        return false;
    strDensity = s.substr(nPos, p - nPos);
    nEnd = p;
    return true;
}

int PageOf(const PartMatch& m)
{
    if (!m.pMaker->bPagesKnown)
        return 0;
    for (const PageException& e : PageExceptions()) {
        if (std::strcmp(e.pszPrefix, m.pMaker->pszPrefix) != 0 || std::strcmp(e.pszDensity, m.pFamily->pszDensity) != 0)
            continue;
        if (e.pszSeries && (!m.pSeries || std::strcmp(e.pszSeries, m.pSeries->pszLetters) != 0))
            continue;
        if (e.pszSuffix && m.strSuffix.rfind(e.pszSuffix, 0) != 0)
            continue;
        return e.nPage;
    }
    return m.pFamily->nPage;
}

// Microchip's unprefixed 93 parts say their organisation in the suffix; other makers use
// the same letters for revisions, and some have no ORG pin at all.
void SetOrganisation(PartMatch& m, const std::string& strRest)
{
    if (m.pMaker->microwireOrg != PartOrg::unknown) {
        m.org = m.pMaker->microwireOrg;
        m.bOrgFixed = true;
        m.strOrgReason = std::string(m.pMaker->pszMaker) + " 93 parts have no ORG pin";
        return;
    }
    const char cSuffix = m.strSuffix.empty() ? '\0' : m.strSuffix[0];
    if (*m.pMaker->pszPrefix == '\0' && (cSuffix == 'A' || cSuffix == 'B')) {
        m.org = cSuffix == 'A' ? PartOrg::x8 : PartOrg::x16;
        m.bOrgFixed = true;
        m.strOrgReason = std::string("suffix ") + cSuffix;
        return;
    }
    m.org = OrgInWords(strRest);
    if (m.org != PartOrg::unknown)
        m.strOrgReason = std::string("the name says ") + PartOrgName(m.org);
}

bool ReadSuffixAndFinish(const std::string& s, std::size_t nStart, std::size_t nEnd, PartMatch& m)
{
    std::size_t p = nEnd;
    while (p < s.size() && IsLetter(s[p]))
        ++p;
    m.strSuffix = s.substr(nEnd, p - nEnd);
    m.strPart = s.substr(nStart, p - nStart);
    if (m.pFamily->bus == PartBus::microwire)
        SetOrganisation(m, s.substr(p));
    else
        m.nPage = PageOf(m);
    return true;
}

// Series letters (or none, where the maker writes the density straight after the
// digits) followed by a known density.
bool MatchSeriesAndDensity(const std::string& s, std::size_t nStart, std::size_t nPos, PartBus bus,
                           const PartMaker& maker, PartMatch& m)
{
    std::string strDensity;
    std::size_t nEnd = 0;
    for (const PartSeries& series : PartSeriesList()) {
        const bool bApplies = bus == PartBus::i2c ? series.bI2C : series.bMicrowire;
        if (!bApplies || !HasAt(s, nPos, series.pszLetters) ||
            !ReadDensity(s, nPos + std::strlen(series.pszLetters), strDensity, nEnd))
            continue;
        if (const PartFamily* pFamily = FindPartFamily(bus, strDensity)) {
            m = PartMatch();
            m.pFamily = pFamily;
            m.pMaker = &maker;
            m.pSeries = &series;
            return ReadSuffixAndFinish(s, nStart, nEnd, m);
        }
    }
    if (maker.bBareDensity && ReadDensity(s, nPos, strDensity, nEnd)) {
        if (const PartFamily* pFamily = FindPartFamily(bus, strDensity)) {
            m = PartMatch();
            m.pFamily = pFamily;
            m.pMaker = &maker;
            return ReadSuffixAndFinish(s, nStart, nEnd, m);
        }
    }
    return false;
}

bool MatchAt(const std::string& s, std::size_t nStart, PartMatch& m)
{
    for (const PartMaker& maker : PartMakers()) {
        if (!HasAt(s, nStart, maker.pszPrefix))
            continue;
        const std::size_t nPos = nStart + std::strlen(maker.pszPrefix);
        const bool bI2C = HasAt(s, nPos, "24");
        if (!bI2C && !HasAt(s, nPos, "93"))
            continue;
        if (MatchSeriesAndDensity(s, nStart, nPos + 2, bI2C ? PartBus::i2c : PartBus::microwire, maker, m))
            return true;
    }
    return false;
}

}  // namespace

bool MatchPartName(const std::string& strName, PartMatch& match, CodePage cp)
{
    // Most names in a large catalogue hold neither family's digits; check on a million
    // chips should not pay for reading them.
    if (strName.find("24") == std::string::npos && strName.find("93") == std::string::npos)
        return false;
    const std::string s = UpperAscii(SingleByteChars(strName, cp));
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (i > 0 && IsWordChar(s[i - 1]))
            continue;
        PartMatch m;
        if (MatchAt(s, i, m)) {
            match = m;
            return true;
        }
    }
    return false;
}

PartOrg OrgInText(const std::string& strText, CodePage cp)
{
    return OrgInWords(SingleByteChars(strText, cp));
}

std::string FamilyFacts(const PartFamily& family)
{
    std::string strFacts = std::string(family.pszName) + ", " + std::to_string(family.nBytes) + " bytes";
    if (family.bus == PartBus::i2c)
        return strFacts + ", " + std::to_string(family.nPage) + "-byte page";
    return strFacts + ", " + std::to_string(family.nBitsX8) + "/" + std::to_string(family.nBitsX16) +
           " address bits (x8/x16)";
}

std::string DescribePart(const PartMatch& match)
{
    const PartFamily& family = *match.pFamily;
    std::string strText;
    if (family.bus == PartBus::i2c) {
        strText = std::string(family.pszName) + ", " + std::to_string(family.nBytes) + " bytes, " +
                  (match.nPage ? std::to_string(match.nPage) + "-byte page" : "page not known for this maker");
    } else {
        strText = FamilyFacts(family) + ", ";
        if (match.org == PartOrg::unknown)
            strText += "x8 or x16 by the ORG pin";
        else
            strText += std::string(PartOrgName(match.org)) + (match.bOrgFixed ? " only" : "") + " (" +
                       match.strOrgReason + ")";
    }
    strText += std::string("; maker: ") + match.pMaker->pszMaker;
    if (match.pSeries)
        strText += std::string("; series ") + match.pSeries->pszLetters + ": " + match.pSeries->pszMeaning;
    return strText;
}
