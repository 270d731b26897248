#pragma once

#include "CodePage.h"

#include <ostream>

// Runs orvane-cli on the given arguments and returns its exit code. Results go to out,
// complaints to err, as "orvane-cli: FILE: what is wrong". Names are in the system's
// code page unless --codepage names another; a system page the tool cannot use is
// refused before any command runs.
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
           int nSystemCodePage = SystemAnsiCodePageNumber());
