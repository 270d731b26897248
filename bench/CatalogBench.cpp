#include "CatalogFile.h"
#include "ChipCatalog.h"
#include "Archive.h"
#include "File.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>

namespace {

class BenchFiles;
BenchFiles& Files();

// One catalogue file per size, written once into a scratch directory.
class BenchFiles {
public:
    BenchFiles()
    {
        char templ[] = "/tmp/orvane-bench-XXXXXX";
        m_dir = ::mkdtemp(templ);
    }
    ~BenchFiles()
    {
        std::string cmd = "rm -rf '" + m_dir + "'";
        if (std::system(cmd.c_str()) != 0)
            std::fprintf(stderr, "could not remove %s\n", m_dir.c_str());
    }
    const std::string& PathFor(int nEntries)
    {
        std::string& path = m_paths[nEntries];
        if (path.empty()) {
            path = m_dir + "/Progr-" + std::to_string(nEntries) + ".ini";
            std::vector<BYTE> bytes = StoredBytes(nEntries);
            std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                        static_cast<std::streamsize>(bytes.size()));
        }
        return path;
    }
    std::string Scratch() const { return m_dir + "/save.ini"; }

    static void Fill(CChipCatalog& catalog, int nEntries)
    {
        if (!CCatalogFile::Load(catalog, Files().PathFor(nEntries).c_str()).Ok())
            std::abort();
    }

private:
    // The file is written item by item: adding a million entries one at a time would
    // regrow the list a thousand times under the catalogue's growth rule.
    static std::vector<BYTE> StoredBytes(int nEntries)
    {
        CArchive ar;
        CStringArray types;
        for (const char* psz : {"I2C", "Microwire 93C46", "Microwire 93C56", "Microwire 93C66"})
            types.Add(psz);
        ar << types;
        ar << static_cast<LONG>(nEntries);
        char name[32];
        BYTE settings[12] = {0x80, 0x80, 0, 1, 0x20, 0x10, 0x10, 8, 0xA0, 0, 0x10, 0};
        for (int i = 0; i < nEntries; ++i) {
            std::snprintf(name, sizeof name, "EEPROM%06d", i % 1000000);
            settings[1] = static_cast<BYTE>(i);
            settings[11] = static_cast<BYTE>(i % 4);
            ar << CString(name);
            ar.Write(settings, sizeof settings);
        }
        return ar.TakeStoredBytes();
    }

private:
    std::string m_dir;
    std::map<int, std::string> m_paths;
};


BenchFiles& Files()
{
    static BenchFiles files;
    return files;
}

long StatusKiB(const char* pszField)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(pszField, 0) == 0)
            return std::atol(line.c_str() + std::string(pszField).size());
    }
    return -1;
}

long FileSize(const std::string& path)
{
    CFile file;
    return file.Open(path.c_str(), CFile::modeRead) ? static_cast<long>(file.GetLength()) : -1;
}

void BM_PlainRead(benchmark::State& state)
{
    const std::string& path = Files().PathFor(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CFile file;
        std::vector<BYTE> bytes;
        if (!file.Open(path.c_str(), CFile::modeRead) || !file.ReadAll(bytes))
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * FileSize(path));
}

// Load through the same call the windows use: open, read, parse; the catalogue is
// destroyed inside the timed loop too, as every window's copy is.
void BM_Load(benchmark::State& state)
{
    const std::string& path = Files().PathFor(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CChipCatalog catalog;
        if (CCatalogFile::Load(catalog, path.c_str()).status != CCatalogFile::loaded)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(catalog.GetEntryCount());
    }
    state.SetBytesProcessed(state.iterations() * FileSize(path));
}

// Peak resident memory of one load over the memory in use before it, as a multiple of
// the file size. Writing 5 to clear_refs resets the kernel's high-water mark.
void BM_LoadPeakMemory(benchmark::State& state)
{
    const std::string& path = Files().PathFor(static_cast<int>(state.range(0)));
    double ratio = 0;
    for (auto _ : state) {
        std::ofstream("/proc/self/clear_refs") << "5";
        long nBase = StatusKiB("VmRSS:");
        {
            CChipCatalog catalog;
            CCatalogFile::Load(catalog, path.c_str());
            benchmark::DoNotOptimize(catalog.GetEntryCount());
        }
        long nPeak = StatusKiB("VmHWM:");
        ratio = 1024.0 * static_cast<double>(nPeak - nBase) / static_cast<double>(FileSize(path));
    }
    state.counters["peak_over_file"] = ratio;
}

// The parts of a save: serialising, a plain write of those bytes, and the whole
// atomic save with its fsync calls.
void BM_StoreToBytes(benchmark::State& state)
{
    CChipCatalog catalog;
    BenchFiles::Fill(catalog, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::vector<BYTE> bytes = CCatalogFile::StoreToBytes(catalog);
        benchmark::DoNotOptimize(bytes.data());
    }
}

// The second argument adds an fsync, to show what the save's own fsync costs.
void BM_PlainWrite(benchmark::State& state)
{
    CChipCatalog catalog;
    BenchFiles::Fill(catalog, static_cast<int>(state.range(0)));
    std::vector<BYTE> bytes = CCatalogFile::StoreToBytes(catalog);
    std::string path = Files().Scratch();
    for (auto _ : state) {
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        bool bOk = fd >= 0 && ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
        if (state.range(1))
            bOk = bOk && ::fsync(fd) == 0;
        if (fd < 0 || ::close(fd) != 0 || !bOk)
            state.SkipWithError("write failed");
    }
}

void BM_Save(benchmark::State& state)
{
    CChipCatalog catalog;
    BenchFiles::Fill(catalog, static_cast<int>(state.range(0)));
    std::string path = Files().Scratch();
    for (auto _ : state) {
        if (!CCatalogFile::Save(catalog, path.c_str()).Ok())
            state.SkipWithError("save failed");
    }
}

}  // namespace

#define ORVANE_SIZES \
    Arg(1000)->Arg(10000)->Arg(100000)->Arg(300000)->Arg(1000000)->Arg(2000000)->Unit(benchmark::kMillisecond)
BENCHMARK(BM_PlainRead)->ORVANE_SIZES;
BENCHMARK(BM_Load)->ORVANE_SIZES;
BENCHMARK(BM_LoadPeakMemory)->ORVANE_SIZES->Iterations(1);
BENCHMARK(BM_StoreToBytes)->ORVANE_SIZES;
BENCHMARK(BM_PlainWrite)->ArgsProduct({{1000, 100000, 1000000}, {0, 1}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->ORVANE_SIZES;

BENCHMARK_MAIN();
