#pragma once

#include "CliContext.h"

namespace CLI {
class App;
class Validator;
}

// Declares every subcommand with its options and help; each runs when it is parsed.
void AddSubcommands(CLI::App& app, CliContext& ctx);

// A file name from the command line, shown as FILE in the help. It is the file layer's
// path as it is: bytes on Linux, and on Windows the UTF-8 of the UTF-16 command line,
// which the file layer turns back into UTF-16 for the system.
CLI::Validator NativePath();
