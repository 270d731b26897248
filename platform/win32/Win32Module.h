#pragma once

#include <string>

// Facts about the running executable that the framework asks for.
class CWin32Module {
public:
    // The executable's file name without directory and extension, in the ANSI code page.
    static std::string FileTitle();
};
