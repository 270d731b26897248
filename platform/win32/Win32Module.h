#pragma once

#include <string>

// Facts about the running executable that the framework asks for.
class CWin32Module {
public:
    // The executable's file name without directory and extension, in the ANSI code page.
    static std::string FileTitle();
};

// The GNU C library names the program in program_invocation_short_name, which the
// framework's start-up reads; Windows has no such variable, so the framework's sources
// are compiled with this header first (see cmake/Windows.cmake).
#define program_invocation_short_name (CWin32Module::FileTitle().c_str())
