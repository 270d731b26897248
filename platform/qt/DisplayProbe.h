#pragma once

#include <string>

// Checks an X display name the way the X library would reach it, without loading any
// window system code: Qt aborts the process when its display cannot be opened, so the
// program asks first and says what is wrong in one line.
class CDisplayProbe {
public:
    // False only when the display is surely unreachable; a name this probe cannot parse
    // counts as reachable and is left to the window system.
    static bool IsX11DisplayReachable(const std::string& strDisplay);

private:
    static bool ConnectUnix(int nDisplay);
    static bool ConnectTcp(const std::string& strHost, int nDisplay);
};
