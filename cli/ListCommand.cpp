#include "cli/Commands.h"

#include "cli/ChipView.h"
#include "cli/CliError.h"
#include "cli/ListOrder.h"
#include "cli/NameText.h"

#include <cstdio>

namespace {

bool Wanted(const ListOptions& options, const std::string& strPattern, const ChipEntry& entry, CodePage cp)
{
    if (!options.strFamily.empty() &&
        options.strFamily != FamilyName(FamilyOfKind(entry.settings[ChipSettings::Kind])))
        return false;
    return strPattern.empty() || MatchNamePattern(strPattern, entry.name.Str(), cp);
}

int EntryLength(const ChipSettings& s)
{
    return s[ChipSettings::LengthLow] + 256 * s[ChipSettings::LengthHigh];
}

void AppendLine(std::string& out, int nIndex, const ChipEntry& entry, CodePage cp)
{
    char sz[64];
    std::string strIndex = "#" + std::to_string(nIndex);
    std::snprintf(sz, sizeof sz, "%-8s %-12s %6d  ", strIndex.c_str(),
                  KindLabel(entry.settings[ChipSettings::Kind]).c_str(), EntryLength(entry.settings));
    out += sz;
    out += DisplayText(entry.name.Str(), cp);
    out += '\n';
}

Json EntryJson(int nIndex, const ChipEntry& entry, CodePage cp)
{
    const BYTE nKind = entry.settings[ChipSettings::Kind];
    Json item = {{"index", nIndex}};
    AddNameJson(item, entry.name.Str(), cp);
    item["kind"] = nKind;
    item["family"] = FamilyName(FamilyOfKind(nKind));
    item["length"] = EntryLength(entry.settings);
    return item;
}

}  // namespace

void RunList(CliContext& ctx, const ListOptions& options)
{
    CChipCatalog catalog;
    LoadCatalog(ctx, catalog, MissingFile::isError);
    std::string strPattern;
    if (!options.strPattern.empty())
        strPattern = NameFromArgument(options.strPattern, false, ctx.cp, "--name");

    std::vector<int> order;
    if (options.bFileOrder) {
        order.resize(static_cast<std::size_t>(catalog.GetEntryCount()));
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = static_cast<int>(i);
    } else {
        order = SortedEntryOrder(catalog, ctx.cp);
    }

    const CChipEntryArray& entries = catalog.Entries();
    if (options.bJson) {
        Json list = Json::array();
        for (int i : order) {
            if (Wanted(options, strPattern, entries[i], ctx.cp))
                list.push_back(EntryJson(i, entries[i], ctx.cp));
        }
        ctx.out << list.dump(2) << '\n';
        return;
    }
    std::string out;
    out.reserve(order.size() * 48);
    for (int i : order) {
        if (Wanted(options, strPattern, entries[i], ctx.cp))
            AppendLine(out, i, entries[i], ctx.cp);
    }
    ctx.out << out;
}
