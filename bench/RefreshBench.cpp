// The chip list refresh on large catalogues: the whole file is loaded and every name
// goes into the sorted list.
#include "CatalogFile.h"
#include "ChipCatalog.h"
#include "ChipListDlg.h"
#include "HeadlessBackend.h"
#include "Resource.h"
#include "Templates.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>
#include <string>
#include <unistd.h>

namespace {

void WriteCatalog(int nEntries)
{
    CChipCatalog catalog;
    catalog.AddTypeName("I2C EEPROM");
    std::mt19937 rng(42);
    const BYTE settings[12] = {0x80, 0x80, 0, 1, 0x20, 0x10, 0x10, 8, 0xA0, 0, 0x10, 0};
    for (int i = 0; i < nEntries; ++i) {
        catalog.AddEmptyEntry();
        catalog.SetEntry(i, CString("24C" + std::to_string(rng() % 100000) + "-" + std::to_string(i % 97)), settings);
    }
    CCatalogFile::Save(catalog);
}

void BM_RefreshChipList(benchmark::State& state)
{
    char szDir[] = "/tmp/orvane-bench-XXXXXX";
    if (!mkdtemp(szDir) || chdir(szDir) != 0) {
        state.SkipWithError("no temporary directory");
        return;
    }
    AfxSetResources(&OrvaneResources());
    WriteCatalog(static_cast<int>(state.range(0)));
    CHeadlessBackend backend;
    CChipListDlg dlg;
    backend.ExpectDialog(IDD_CHIPLIST_DIALOG, [&](CHeadlessDialog& d) {
        for (auto _ : state)
            dlg.RefreshChipList();
        state.counters["rows"] = static_cast<double>(d.Rows(IDC_CHIP_LIST).size());
        d.Click(IDCANCEL);
    });
    dlg.DoModal();
    (void)std::system((std::string("rm -rf ") + szDir).c_str());
}
BENCHMARK(BM_RefreshChipList)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
