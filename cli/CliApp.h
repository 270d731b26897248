#pragma once

#include <ostream>

// Runs orvane-cli on the given arguments and returns its exit code. Results go to out,
// complaints to err, as "orvane-cli: FILE: what is wrong".
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);
