#include "CatalogMerge.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace {

// A name of one page in another: its characters, never a '?' for one the page lacks.
bool ConvertName(const std::string& strName, CodePage fromCp, CodePage toCp, std::string& strOut, std::string& strWhy)
{
    if (fromCp == toCp) {
        strOut = strName;
        return true;
    }
    if (!AnsiRoundTrips(strName, fromCp)) {
        strWhy = "has bytes that code page " + std::to_string(static_cast<int>(fromCp)) + " leaves undefined";
        return false;
    }
    return Utf8ToAnsi(AnsiToUtf8(strName, fromCp), toCp, strOut, strWhy);
}

// One chip of either catalogue, as the pairing orders them: by name, then by bytes, then
// in file order. The name's hash comes first and settles most comparisons without
// reading the name.
struct Key {
    std::size_t nHash;
    const std::string* pName;
    const ChipSettings* pSettings;
    int nIndex;
};

Key KeyOf(const std::string& strName, const ChipSettings& settings, int nIndex)
{
    return {std::hash<std::string>()(strName), &strName, &settings, nIndex};
}

int CompareName(const Key& a, const Key& b)
{
    if (a.nHash != b.nHash)
        return a.nHash < b.nHash ? -1 : 1;
    return a.pName->compare(*b.pName);
}

int CompareChip(const Key& a, const Key& b)
{
    const int n = CompareName(a, b);
    return n != 0 ? n : std::memcmp(a.pSettings->data(), b.pSettings->data(), ChipSettings::Size);
}

void SortKeys(std::vector<Key>& keys)
{
    std::sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
        const int n = CompareChip(a, b);
        return n < 0 || (n == 0 && a.nIndex < b.nIndex);
    });
}

// Pairs the chips of one name: each of FROM's with an identical target chip, k-th with
// k-th in file order; then those left, again k-th with k-th. FROM's chips left after
// that keep their step, append. The two vectors are the caller's, to spare allocations.
void PairName(const Key* pOurs, const Key* pOursEnd, const Key* pTheirs, const Key* pTheirsEnd,
              std::vector<MergeStep>& steps, std::vector<int>& restOurs, std::vector<int>& restTheirs)
{
    restOurs.clear();
    restTheirs.clear();
    for (; pTheirs != pTheirsEnd; ++pTheirs) {
        while (pOurs != pOursEnd && CompareChip(*pOurs, *pTheirs) < 0)
            restOurs.push_back((pOurs++)->nIndex);
        MergeStep& step = steps[static_cast<std::size_t>(pTheirs->nIndex)];
        if (pOurs != pOursEnd && CompareChip(*pOurs, *pTheirs) == 0) {
            step.kind = MergeStep::same;
            step.nTarget = (pOurs++)->nIndex;
        } else {
            restTheirs.push_back(pTheirs->nIndex);
        }
    }
    for (; pOurs != pOursEnd; ++pOurs)
        restOurs.push_back(pOurs->nIndex);
    std::sort(restOurs.begin(), restOurs.end());
    std::sort(restTheirs.begin(), restTheirs.end());
    for (std::size_t k = 0; k < std::min(restOurs.size(), restTheirs.size()); ++k) {
        MergeStep& step = steps[static_cast<std::size_t>(restTheirs[k])];
        step.kind = MergeStep::conflict;
        step.nTarget = restOurs[k];
    }
}

// The end of the run of keys from p on that share p's name.
const Key* NameEnd(const Key* p, const Key* pEnd, const Key& name)
{
    while (p != pEnd && CompareName(*p, name) == 0)
        ++p;
    return p;
}

}  // namespace

std::vector<MergeStep> PlanMerge(const CChipCatalog& target, const CChipCatalog& from, CodePage targetCp,
                                 std::optional<CodePage> fromCp)
{
    std::vector<MergeStep> steps(static_cast<std::size_t>(from.GetEntryCount()));
    std::vector<Key> theirs, ours;
    theirs.reserve(steps.size());
    for (int j = 0; j < from.GetEntryCount(); ++j) {
        MergeStep& step = steps[static_cast<std::size_t>(j)];
        const ChipEntry& chip = from.Entries()[j];
        step.nFrom = j;
        step.kind = MergeStep::append;
        if (ConvertName(chip.name.Str(), fromCp.value_or(targetCp), targetCp, step.strName, step.strWhy))
            theirs.push_back(KeyOf(step.strName, chip.settings, j));
        else
            step.kind = MergeStep::unholdable;
    }
    ours.reserve(static_cast<std::size_t>(target.GetEntryCount()));
    for (int i = 0; i < target.GetEntryCount(); ++i)
        ours.push_back(KeyOf(target.Entries()[i].name.Str(), target.Entries()[i].settings, i));
    SortKeys(theirs);
    SortKeys(ours);
    std::vector<int> restOurs, restTheirs;
    const Key* pOurs = ours.data();
    const Key* const pOursEnd = pOurs + ours.size();
    const Key* const pTheirsEnd = theirs.data() + theirs.size();
    for (const Key* pTheirs = theirs.data(); pTheirs != pTheirsEnd;) {
        while (pOurs != pOursEnd && CompareName(*pOurs, *pTheirs) < 0)
            ++pOurs;
        const Key* pNextTheirs = NameEnd(pTheirs, pTheirsEnd, *pTheirs);
        const Key* pNextOurs = NameEnd(pOurs, pOursEnd, *pTheirs);
        PairName(pOurs, pNextOurs, pTheirs, pNextTheirs, steps, restOurs, restTheirs);
        pTheirs = pNextTheirs;
        pOurs = pNextOurs;
    }
    return steps;
}
