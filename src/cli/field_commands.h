#pragma once

#include <CLI/CLI.hpp>

#include "cli/command.h"

namespace sw::cli {

// Adds the commands that compute one result field of a calculator window:
// payment, principal, term, rate, remaining, how-long and how-much.
void AddFieldCommands(CLI::App& app, CommandTable& commands);

}  // namespace sw::cli
