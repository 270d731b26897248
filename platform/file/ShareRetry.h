#pragma once

#include <functional>

// Another program's hold on a file that it shares with no one (a sharing violation on
// Windows) is often momentary: a virus scanner, an indexer or a backup reads a file just
// written. So, as other Windows programs do, a call such a hold refuses is tried again
// after short pauses for about a second before the refusal stands.
class CShareRetry {
public:
    static constexpr int WaitLimitMs = 1000;

    // Calls attempt, which returns 0 or an error, until it gives anything but
    // nSharingError or the pauses between the tries reach the wait limit; returns what
    // the last try gave.
    static int Run(const std::function<int()>& attempt, int nSharingError);
    // The pause before the next try when nWaitedMs have been spent pausing already; 0
    // once the wait limit is reached. The pauses double from 10 ms up to 200 ms.
    static int NextPause(int nWaitedMs);

    // Test seam: what a pause does, in place of sleeping. Reset with nullptr.
    using Pause = std::function<void(int nMilliseconds)>;
    static void SetPause(Pause pause);
};
