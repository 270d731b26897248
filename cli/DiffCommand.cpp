#include "Commands.h"

#include "ChipView.h"
#include "CliError.h"
#include "NameText.h"

#include <unordered_map>

namespace {

// diff's own exit codes, as diff(1) has them.
enum DiffExit { diffSame = 0, diffDifferent = 1, diffTrouble = 2 };

void Load(const std::string& strPath, CChipCatalog& catalog)
{
    try {
        LoadCatalogFrom(strPath, catalog, MissingFile::isError);
    } catch (const CCliError& e) {
        throw CCliError(e.GetSubject(), e.what(), diffTrouble);
    }
}

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

Json FieldChanges(const ChipSettings& a, const ChipSettings& b)
{
    Json changes = Json::array();
    for (const SettingsField& field : SettingsFieldsOf(b[ChipSettings::Kind])) {
        if (FieldValue(field, a) != FieldValue(field, b))
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

Json TypeChanges(const CChipCatalog& a, const CChipCatalog& b, CodePage cp)
{
    Json changes = Json::array();
    for (int i = 0; i < std::max(a.GetTypeCount(), b.GetTypeCount()); ++i) {
        Json change = {{"position", i}};
        change["old"] = i < a.GetTypeCount() ? Json(AnsiToUtf8(a.GetTypeName(i).Str(), cp)) : Json();
        change["new"] = i < b.GetTypeCount() ? Json(AnsiToUtf8(b.GetTypeName(i).Str(), cp)) : Json();
        bool bSame = i < a.GetTypeCount() && i < b.GetTypeCount() && a.GetTypeName(i) == b.GetTypeName(i);
        if (!bSame)
            changes.push_back(change);
    }
    return changes;
}

Json Compare(const CChipCatalog& a, const CChipCatalog& b, CodePage cp)
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
    return {{"types", TypeChanges(a, b, cp)}, {"removed", removed}, {"added", added},
            {"changed", changed}, {"reordered", bReordered}};
}

// The chip as "#3 \"name\"", from the name bytes the JSON carries.
std::string Ref(const Json& ref, CodePage cp)
{
    std::string strName, strWhy;
    if (ref.contains("name_hex"))
        HexDecode(ref["name_hex"].get<std::string>(), strName);
    else
        Utf8ToAnsi(ref["name"].get<std::string>(), cp, strName, strWhy);
    return "#" + ref["index"].dump() + " " + QuotedText(strName, cp);
}

void PrintText(std::ostream& out, const Json& diff, CodePage cp)
{
    for (const Json& t : diff["types"])
        out << "type " << t["position"].dump() << ": " << (t["old"].is_null() ? "(none)" : t["old"].dump()) << " -> "
            << (t["new"].is_null() ? "(none)" : t["new"].dump()) << '\n';
    for (const Json& r : diff["removed"])
        out << "- " << Ref(r, cp) << '\n';
    for (const Json& r : diff["added"])
        out << "+ " << Ref(r, cp) << '\n';
    for (const Json& c : diff["changed"]) {
        out << "~ " << Ref(c["old"], cp);
        if (c["old"]["index"] != c["new"]["index"])
            out << " (now #" << c["new"]["index"].dump() << ")";
        const char* pszSep = ": ";
        for (const Json& f : c["fields"]) {
            out << pszSep << f["field"].get<std::string>() << ' ' << f["old"].get<std::string>() << " -> "
                << f["new"].get<std::string>();
            pszSep = "; ";
        }
        out << '\n';
    }
    if (diff["reordered"].get<bool>())
        out << "order: the chips both files have stand in a different order\n";
}

}  // namespace

void RunDiff(CliContext& ctx, const DiffOptions& options)
{
    CChipCatalog a, b;
    Load(options.strOld, a);
    Load(options.strNew, b);
    const Json diff = Compare(a, b, ctx.cp);
    const bool bDifferent = !diff["types"].empty() || !diff["removed"].empty() || !diff["added"].empty() ||
                            !diff["changed"].empty() || diff["reordered"].get<bool>();
    if (options.bJson)
        ctx.out << diff.dump(2) << '\n';
    else
        PrintText(ctx.out, diff, ctx.cp);
    ctx.nExit = bDifferent ? diffDifferent : diffSame;
}
