// Sorting 100,000 names as the chip list and orvane-cli list show them, in the order of
// the locale the environment names (LANG=pl_PL.UTF-8 ...), against the byte-wise order
// the lists had before: each letter folded to lower case in the code page.
#include "CodePage.h"
#include "ListSortKeys.h"
#include "SortedListOrder.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>
#include <vector>

namespace {

// Part numbers as catalogues have them, with the code page's own letters in some.
const std::vector<std::string>& Names()
{
    static const std::vector<std::string> names = [] {
        const char* const kFamilies[] = {"24C", "24LC", "AT24C", "M24C", "93C", "93LC", "25AA", "CAT24WC", "BR24L", "S-24CS"};
        const char* const kSuffixes[] = {"", "-I/P", "-W", "-10PU", " SOIC-8", "_16", "A", "-E/SN", " [old]", "'s"};
        const char* const kWords[] = {"", "", "", "\xC9""cole ", "\xD6lfass ", "Stra\xDF""e ", "caf\xE9 ", "Zeta "};
        std::mt19937 random(100000);
        std::vector<std::string> out;
        for (int i = 0; i < 100000; ++i) {
            std::string strName = kWords[random() % 8];
            strName += kFamilies[random() % 10] + std::to_string(random() % 1100) + kSuffixes[random() % 10];
            if (random() % 3 == 0)
                std::transform(strName.begin(), strName.end(), strName.begin(), [](char ch) {
                    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch + 32) : ch;
                });
            out.push_back(strName);
        }
        return out;
    }();
    return names;
}

// The order before: stable, byte by byte after folding case.
void BM_SortBytewise(benchmark::State& state)
{
    const std::vector<std::string>& names = Names();
    for (auto _ : state) {
        std::vector<std::size_t> order(names.size());
        std::iota(order.begin(), order.end(), std::size_t(0));
        std::stable_sort(order.begin(), order.end(), [&names](std::size_t a, std::size_t b) {
            return AnsiCompareNoCase(names[a], names[b], CodePage::Windows1252) < 0;
        });
        benchmark::DoNotOptimize(order.data());
    }
}

CListSortKeys KeysOf(const std::vector<std::string>& names)
{
    CListSortKeys keys;
    for (const std::string& strName : names)
        keys.Add(strName, CodePage::Windows1252);
    return keys;
}

// The order now: each name's sort key, then the list box's placement of every row.
void BM_SortAsListBox(benchmark::State& state)
{
    for (auto _ : state) {
        const CListSortKeys keys = KeysOf(Names());
        const std::vector<std::size_t> order = SortedListOrder(
            0, keys.GetCount(), [&keys](std::size_t a, std::size_t b) { return keys.Compare(a, b); });
        benchmark::DoNotOptimize(order.data());
    }
}

// The keys alone.
void BM_SortKeys(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(KeysOf(Names()).GetCount());
}

}  // namespace

BENCHMARK(BM_SortBytewise)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortAsListBox)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortKeys)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
