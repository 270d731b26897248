#include "Commands.h"

#include "ChipView.h"
#include "CliError.h"
#include "ListOrder.h"
#include "NameText.h"


namespace {

bool Wanted(const ListOptions& options, const std::string& strPattern, const ChipEntry& entry, CodePage cp)
{
    if (!options.strFamily.empty() &&
        options.strFamily != FamilyName(FamilyOfKind(entry.settings[ChipSettings::Kind])))
        return false;
    return strPattern.empty() || MatchNamePattern(strPattern, entry.name.Str(), cp);
}

// Appends text padded on the right (bLeft) or the left to nWidth.
void AppendPadded(std::string& out, const std::string& strText, std::size_t nWidth, bool bLeft)
{
    const std::size_t nPad = strText.size() < nWidth ? nWidth - strText.size() : 0;
    if (!bLeft)
        out.append(nPad, ' ');
    out += strText;
    if (bLeft)
        out.append(nPad, ' ');
}

// "#12      I2C             256  name": columns of fixed width, the name last so that
// spaces in it stay unambiguous.
void AppendLine(std::string& out, int nIndex, const ChipEntry& entry, const std::vector<std::string>& kindLabels,
                CodePage cp)
{
    AppendPadded(out, "#" + std::to_string(nIndex), 8, true);
    out += ' ';
    AppendPadded(out, kindLabels[entry.settings[ChipSettings::Kind]], 12, true);
    out += ' ';
    AppendPadded(out, std::to_string(entry.settings.GetLength()), 6, false);
    out += "  ";
    AppendDisplayText(out, entry.name.Str(), cp);
    out += '\n';
}

Json EntryJson(int nIndex, const ChipEntry& entry, CodePage cp)
{
    const BYTE nKind = entry.settings[ChipSettings::Kind];
    Json item = {{"index", nIndex}};
    AddNameJson(item, entry.name.Str(), cp);
    item["kind"] = nKind;
    item["family"] = FamilyName(FamilyOfKind(nKind));
    item["length"] = entry.settings.GetLength();
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
    std::vector<std::string> kindLabels;
    for (int nKind = 0; nKind < 256; ++nKind)
        kindLabels.push_back(KindLabel(static_cast<BYTE>(nKind)));
    std::string out;
    for (int i : order) {
        if (Wanted(options, strPattern, entries[i], ctx.cp))
            AppendLine(out, i, entries[i], kindLabels, ctx.cp);
    }
    ctx.out << out;
}
