// Time from process start to the main window shown, for the editor and for a bare Qt
// dialog program built the same way. Each run starts the program with
// ORVANE_EXIT_AFTER_SHOW=1, so it ends right after its first paint, and waits for it.
// Without DISPLAY the offscreen platform is used. bench/startup.sh prints the ratio.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {
// A working folder holding the starter catalogue, so the editor lists real rows.
const std::string& WorkDir()
{
    static const std::string strDir = [] {
        char szTemplate[] = "/tmp/orvane-startup-XXXXXX";
        std::string strPath = mkdtemp(szTemplate) ? szTemplate : "/tmp";
        std::string strCopy = "cp '" ORVANE_SOURCE_DIR "/examples/Progr.ini' '" + strPath + "/' 2>/dev/null";
        (void)std::system(strCopy.c_str());
        return strPath;
    }();
    return strDir;
}

bool RunOnce(const char* pszProgram)
{
    setenv("ORVANE_EXIT_AFTER_SHOW", "1", 1);
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    char* argv[] = {const_cast<char*>(pszProgram), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int nError = posix_spawn(&pid, pszProgram, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (nError != 0)
        return false;
    int nStatus = 0;
    return waitpid(pid, &nStatus, 0) == pid && WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == 0;
}

void StartProgram(benchmark::State& state, const char* pszProgram)
{
    if (chdir(WorkDir().c_str()) != 0) {
        state.SkipWithError("no working folder");
        return;
    }
    for (auto _ : state) {
        if (!RunOnce(pszProgram)) {
            state.SkipWithError("the program did not start and end cleanly");
            return;
        }
    }
}

void BM_StartupBareQtDialog(benchmark::State& state) { StartProgram(state, BARE_BIN); }
void BM_StartupOrvane(benchmark::State& state) { StartProgram(state, ORVANE_BIN); }
}  // namespace

BENCHMARK(BM_StartupBareQtDialog)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20)->Repetitions(3);
BENCHMARK(BM_StartupOrvane)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20)->Repetitions(3);

BENCHMARK_MAIN();
