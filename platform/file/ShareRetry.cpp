#include "ShareRetry.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

CShareRetry::Pause& PauseHook()
{
    static CShareRetry::Pause pause;
    return pause;
}

}  // namespace

int CShareRetry::NextPause(int nWaitedMs)
{
    // 10, 20, 40, 80 and 160 ms, then 200 ms at a time.
    int nPause = 10;
    for (int nSpent = 0; nPause < 200 && nSpent + nPause <= nWaitedMs; nPause *= 2)
        nSpent += nPause;
    return std::clamp(WaitLimitMs - nWaitedMs, 0, std::min(nPause, 200));
}

int CShareRetry::Run(const std::function<int()>& attempt, int nSharingError)
{
    int nWaited = 0;
    for (;;) {
        const int nResult = attempt();
        const int nPause = nResult == nSharingError ? NextPause(nWaited) : 0;
        if (nPause == 0)
            return nResult;
        if (PauseHook())
            PauseHook()(nPause);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(nPause));
        nWaited += nPause;
    }
}

void CShareRetry::SetPause(Pause pause)
{
    PauseHook() = std::move(pause);
}
