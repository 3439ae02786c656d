#pragma once

#include <CLI/CLI.hpp>

#include "cli/command.h"

namespace sw::cli {

// Adds the commands that compute one result field of a calculator window:
// one command for each entry of the catalogue of field calculations.
void AddFieldCommands(CLI::App& app, CommandTable& commands);

}  // namespace sw::cli
