#include "CliApp.h"

#include <iostream>

#ifdef _WIN32
#include "NativeConsole.h"

#include <ostream>
#include <string>
#include <vector>

// Windows hands main its arguments in the ANSI code page, which may lack the characters
// of the catalogue's own page; the UTF-16 command line has them all.
int wmain(int argc, wchar_t** argv)
{
    const std::vector<std::string> args = Utf8Arguments(argc, argv);
    std::vector<const char*> pointers;
    for (const std::string& strArg : args)
        pointers.push_back(strArg.c_str());
    pointers.push_back(nullptr);
    CNativeConsoleBuf outBuf(false);
    CNativeConsoleBuf errBuf(true);
    std::ostream out(&outBuf);
    std::ostream err(&errBuf);
    const int nExit = RunCli(argc, pointers.data(), out, err);
    out.flush();
    err.flush();
    return nExit;
}
#else
int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    return RunCli(argc, argv, std::cout, std::cerr);
}
#endif
