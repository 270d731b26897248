#pragma once

// The few POSIX names the editor's sources use that MinGW lacks, for the stand-in build
// only: the Windows file layer replaces them.
#include <cstdlib>

inline char* realpath(const char* pszPath, char* pszResolved) { return _fullpath(pszResolved, pszPath, 260); }
