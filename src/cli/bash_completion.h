#pragma once

#include <CLI/CLI.hpp>
#include <ostream>

namespace sw::cli {

// Writes the bash completion script of the command line that app parses:
// a command in the first place, then that command's options, the output
// formats after --format and file names after --save and --append. Values
// of the other options are left to the user.
void WriteBashCompletion(const CLI::App& app, std::ostream& out);

}  // namespace sw::cli
