#include "DiffReport.h"

#include "NameText.h"

#include <algorithm>
#include <unordered_map>

namespace {

// Pairs each chip of the old file with the chip of the new file that has the same name
// and the same rank among the chips of that name; -1 where there is none.
std::vector<int> MatchEntries(const CChipCatalog& oldCat, const CChipCatalog& newCat)
{
    std::unordered_map<std::string, std::vector<int>> byName;
    for (int j = 0; j < newCat.GetEntryCount(); ++j)
        byName[newCat.Entries()[j].name.Str()].push_back(j);
    std::unordered_map<std::string, std::size_t> used;
    std::vector<int> match(static_cast<std::size_t>(oldCat.GetEntryCount()), -1);
    for (int i = 0; i < oldCat.GetEntryCount(); ++i) {
        const std::string& strName = oldCat.Entries()[i].name.Str();
        auto it = byName.find(strName);
        std::size_t& nRank = used[strName];
        if (it != byName.end() && nRank < it->second.size())
            match[static_cast<std::size_t>(i)] = it->second[nRank++];
    }
    return match;
}

// Two type names in their pages: the same bytes in one page, the same text across two.
bool SameTypeName(const CString& a, CodePage cpA, const CString& b, CodePage cpB)
{
    return cpA == cpB ? a == b : AnsiToUtf32(a.Str(), cpA) == AnsiToUtf32(b.Str(), cpB);
}

}  // namespace

Json FieldChanges(const ChipSettings& a, const ChipSettings& b)
{
    Json changes = Json::array();
    for (const ChipField& field : ChipFieldsByByte(FamilyOfKind(b[ChipSettings::Kind]))) {
        if (field.Raw(a) != field.Raw(b))
            changes.push_back({{"field", field.pszKey}, {"old", FieldText(field, a)}, {"new", FieldText(field, b)}});
    }
    return changes;
}

Json ChipRef(const CChipCatalog& catalog, int nIndex, CodePage cp)
{
    Json ref = {{"index", nIndex}};
    AddNameJson(ref, catalog.Entries()[nIndex].name.Str(), cp);
    return ref;
}

Json TypeChanges(const CChipCatalog& a, CodePage cpA, const CChipCatalog& b, CodePage cpB)
{
    Json changes = Json::array();
    for (int i = 0; i < std::max(a.GetTypeCount(), b.GetTypeCount()); ++i) {
        Json change = {{"position", i}};
        change["old"] = i < a.GetTypeCount() ? Json(AnsiToUtf8(a.GetTypeName(i).Str(), cpA)) : Json();
        change["new"] = i < b.GetTypeCount() ? Json(AnsiToUtf8(b.GetTypeName(i).Str(), cpB)) : Json();
        bool bSame = i < a.GetTypeCount() && i < b.GetTypeCount() &&
                     SameTypeName(a.GetTypeName(i), cpA, b.GetTypeName(i), cpB);
        if (!bSame)
            changes.push_back(change);
    }
    return changes;
}

Json CompareCatalogs(const CChipCatalog& a, const CChipCatalog& b, CodePage cp)
{
    const std::vector<int> match = MatchEntries(a, b);
    std::vector<bool> matched(static_cast<std::size_t>(b.GetEntryCount()), false);
    Json removed = Json::array(), changed = Json::array(), added = Json::array();
    int nLast = -1;
    bool bReordered = false;
    for (int i = 0; i < a.GetEntryCount(); ++i) {
        const int j = match[static_cast<std::size_t>(i)];
        if (j < 0) {
            removed.push_back(ChipRef(a, i, cp));
            continue;
        }
        matched[static_cast<std::size_t>(j)] = true;
        bReordered = bReordered || j < nLast;
        nLast = j;
        Json fields = FieldChanges(a.Entries()[i].settings, b.Entries()[j].settings);
        if (!fields.empty())
            changed.push_back({{"old", ChipRef(a, i, cp)}, {"new", ChipRef(b, j, cp)}, {"fields", fields}});
    }
    for (int j = 0; j < b.GetEntryCount(); ++j) {
        if (!matched[static_cast<std::size_t>(j)])
            added.push_back(ChipRef(b, j, cp));
    }
    return {{"types", TypeChanges(a, cp, b, cp)}, {"removed", removed}, {"added", added},
            {"changed", changed}, {"reordered", bReordered}};
}

std::string TypeChangeText(const Json& change)
{
    return "type " + change["position"].dump() + ": " + (change["old"].is_null() ? "(none)" : change["old"].dump()) +
           " -> " + (change["new"].is_null() ? "(none)" : change["new"].dump());
}

std::string ChipRefText(const Json& ref, CodePage cp)
{
    std::string strName, strWhy;
    if (ref.contains("name_hex"))
        HexDecode(ref["name_hex"].get<std::string>(), strName);
    else
        Utf8ToAnsi(ref["name"].get<std::string>(), cp, strName, strWhy);
    return "#" + ref["index"].dump() + " " + QuotedText(strName, cp);
}

std::string FieldChangesText(const Json& fields)
{
    std::string strText;
    const char* pszSep = ": ";
    for (const Json& f : fields) {
        strText += pszSep + f["field"].get<std::string>() + ' ' + f["old"].get<std::string>() + " -> " +
                   f["new"].get<std::string>();
        pszSep = "; ";
    }
    return strText;
}

std::string ChangedChipText(const Json& change, CodePage cp)
{
    std::string strText = "~ " + ChipRefText(change["old"], cp);
    if (change["old"]["index"] != change["new"]["index"])
        strText += " (now #" + change["new"]["index"].dump() + ")";
    return strText + FieldChangesText(change["fields"]);
}

void PrintComparison(std::ostream& out, const Json& diff, CodePage cp)
{
    for (const Json& t : diff["types"])
        out << TypeChangeText(t) << '\n';
    for (const Json& r : diff["removed"])
        out << "- " << ChipRefText(r, cp) << '\n';
    for (const Json& r : diff["added"])
        out << "+ " << ChipRefText(r, cp) << '\n';
    for (const Json& c : diff["changed"])
        out << ChangedChipText(c, cp) << '\n';
    if (diff["reordered"].get<bool>())
        out << "order: the chips both files have stand in a different order\n";
}
