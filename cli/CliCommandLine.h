#pragma once

#include "CliContext.h"

namespace CLI {
class App;
class Validator;
}

// Declares every subcommand with its options and help; each runs when it is parsed.
void AddSubcommands(CLI::App& app, CliContext& ctx);

// A file name from the command line, which is UTF-8, as the file layer takes it: the
// same on Linux; in the system's ANSI code page on Windows, refused when that page
// lacks one of its characters. Bytes that are not UTF-8 are taken as they are.
CLI::Validator NativePath();
