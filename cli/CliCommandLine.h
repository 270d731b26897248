#pragma once

#include "CliContext.h"

namespace CLI {
class App;
}

// Declares every subcommand with its options and help; each runs when it is parsed.
void AddSubcommands(CLI::App& app, CliContext& ctx);
