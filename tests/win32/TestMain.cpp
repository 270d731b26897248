#include "TestHarness.h"
#include "Win32Backend.h"

#include <cstdio>

// Runs the Win32 backend's tests; an argument picks the tests whose names contain it.
int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    CWin32Backend backend;
    AfxSetBackend(&backend);
    return CTestHarness::Get().RunAll(argc > 1 ? argv[1] : nullptr);
}
