#include "Commands.h"

#include "ChipView.h"
#include "CliError.h"
#include "ListOrder.h"
#include "PartName.h"

namespace {

const char* BusKey(PartBus bus)
{
    return bus == PartBus::i2c ? "i2c" : "microwire";
}

std::string Padded(const std::string& strText, std::size_t nWidth, bool bLeft)
{
    const std::string strPad(strText.size() < nWidth ? nWidth - strText.size() : 0, ' ');
    return bLeft ? strText + strPad : strPad + strText;
}

// One row of the table; empty cells are padded, trailing blanks are not written.
std::string TableLine(const std::string& strFamily, const std::string& strBus, const std::string& strBytes,
                      const std::string& strPage, const std::string& strBits, const std::string& strNote)
{
    std::string strLine = Padded(strFamily, 10, true) + Padded(strBus, 10, true) + Padded(strBytes, 7, false) +
                          Padded(strPage, 6, false) + Padded(strBits, 13, false) + "  " + strNote;
    strLine.erase(strLine.find_last_not_of(' ') + 1);
    return strLine + '\n';
}

std::string FamilyLine(const PartFamily& family)
{
    const bool bI2C = family.bus == PartBus::i2c;
    return TableLine(family.pszName, PartBusName(family.bus), std::to_string(family.nBytes),
                     bI2C ? std::to_string(family.nPage) : "",
                     bI2C ? "" : std::to_string(family.nBitsX8) + "/" + std::to_string(family.nBitsX16),
                     FitsLengthField(family) ? ""
                                             : "beyond the Length field (0.." + std::to_string(kLengthFieldMax) + ")");
}

Json FamilyJson(const PartFamily& family)
{
    Json item = {{"family", family.pszName}, {"bus", BusKey(family.bus)}, {"density", family.pszDensity},
                 {"bytes", family.nBytes}, {"fits_length", FitsLengthField(family)}};
    if (family.bus == PartBus::i2c)
        item["page"] = family.nPage;
    else
        item["address_bits"] = {{"x8", family.nBitsX8}, {"x16", family.nBitsX16}};
    return item;
}

Json PartJson(const std::string& strText, const PartMatch& m)
{
    Json item = {{"text", strText}, {"part", m.strPart}, {"family", m.pFamily->pszName},
                 {"maker_prefix", m.pMaker->pszPrefix}, {"maker", m.pMaker->pszMaker},
                 {"series", m.pSeries ? m.pSeries->pszLetters : ""}, {"suffix", m.strSuffix}};
    if (m.pFamily->bus == PartBus::i2c) {
        item["page"] = m.nPage ? Json(m.nPage) : Json(nullptr);
    } else {
        item["organisation"] = m.org == PartOrg::unknown ? Json(nullptr) : Json(PartOrgName(m.org));
        item["organisation_fixed"] = m.bOrgFixed;
    }
    item["description"] = DescribePart(m);
    return item;
}

// The makers, series letters and page exceptions, which a part number is read with.
std::string KnowledgeText()
{
    std::string strText = "\nmaker prefixes:\n";
    for (const PartMaker& maker : PartMakers())
        strText += "  " + Padded(*maker.pszPrefix ? maker.pszPrefix : "(none)", 8, true) + maker.pszMaker + '\n';
    strText += "series letters after 24 or 93:\n";
    for (const PartSeries& series : PartSeriesList())
        strText += "  " + Padded(series.pszLetters, 8, true) + series.pszMeaning +
                   (series.bMicrowire ? "" : " (I2C only)") + '\n';
    strText += "pages that differ from the family's:\n";
    for (const PageException& e : PageExceptions())
        strText += "  " + std::string(e.pszPrefix) + "24" + (e.pszSeries ? e.pszSeries : "xx") + e.pszDensity +
                   (e.pszSuffix ? e.pszSuffix : "") + ": " + std::to_string(e.nPage) + " bytes\n";
    return strText + "93 suffixes without a maker prefix: A x8 only, B x16 only, C x8 or x16 by the ORG pin\n";
}

Json KnowledgeJson(Json result)
{
    Json makers = Json::array();
    for (const PartMaker& maker : PartMakers()) {
        const Json org = maker.microwireOrg == PartOrg::unknown ? Json(nullptr) : Json(PartOrgName(maker.microwireOrg));
        makers.push_back({{"prefix", maker.pszPrefix}, {"maker", maker.pszMaker}, {"pages_known", maker.bPagesKnown},
                          {"microwire_organisation", org}});
    }
    Json series = Json::array();
    for (const PartSeries& s : PartSeriesList())
        series.push_back({{"letters", s.pszLetters}, {"i2c", s.bI2C}, {"microwire", s.bMicrowire},
                          {"meaning", s.pszMeaning}});
    Json pages = Json::array();
    for (const PageException& e : PageExceptions())
        pages.push_back({{"maker_prefix", e.pszPrefix}, {"series", e.pszSeries ? Json(e.pszSeries) : Json(nullptr)},
                         {"density", e.pszDensity}, {"suffix", e.pszSuffix ? Json(e.pszSuffix) : Json(nullptr)},
                         {"page", e.nPage}});
    result["makers"] = makers;
    result["series"] = series;
    result["page_exceptions"] = pages;
    return result;
}

}  // namespace

void RunParts(CliContext& ctx, const PartsOptions& options)
{
    const std::string& strPattern = options.strPattern;
    PartMatch m;
    const bool bPart =
        strPattern.find_first_of("*?") == std::string::npos && MatchPartName(strPattern, m, CodePage::Utf8);
    std::vector<const PartFamily*> families;
    for (const PartFamily& family : PartFamilies()) {
        const bool bNamed = strPattern.empty() || MatchNamePattern(strPattern, family.pszName, CodePage::Utf8);
        if (bNamed || (bPart && m.pFamily == &family))
            families.push_back(&family);
    }
    if (families.empty())
        throw CCliError(strPattern, "matches no family and holds no part number Orvane knows");

    if (options.bJson) {
        Json result = Json::object();
        if (bPart)
            result["part"] = PartJson(strPattern, m);
        Json list = Json::array();
        for (const PartFamily* pFamily : families)
            list.push_back(FamilyJson(*pFamily));
        result["families"] = list;
        ctx.out << (strPattern.empty() ? KnowledgeJson(result) : result).dump(2) << '\n';
        return;
    }
    std::string out;
    if (bPart)
        out += m.strPart + ": " + DescribePart(m) + "\n\n";
    out += TableLine("family", "bus", "bytes", "page", "bits x8/x16", "");
    for (const PartFamily* pFamily : families)
        out += FamilyLine(*pFamily);
    if (strPattern.empty())
        out += KnowledgeText();
    ctx.out << out;
}
