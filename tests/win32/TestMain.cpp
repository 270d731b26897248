#include "Win32Backend.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

// Runs the Win32 backend's tests; a plain argument picks the tests whose names hold it.
int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    testing::InitGoogleTest(&argc, argv);
    if (argc > 1)
        testing::GTEST_FLAG(filter) = std::string("*") + argv[1] + "*";
    const std::unique_ptr<IWindowBackend> pBackend = CreateWin32Backend();
    AfxSetBackend(pBackend.get());
    return RUN_ALL_TESTS();
}
