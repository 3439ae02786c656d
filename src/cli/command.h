#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <ostream>
#include <vector>

#include "cli/exit_code.h"

namespace sw::cli {

// What a command does once parsing has filled in its option values.
using CommandAction = std::function<ExitCode(std::ostream& out, std::ostream& err)>;

struct Command {
  const CLI::App* parser;
  CommandAction action;
};

using CommandTable = std::vector<Command>;

}  // namespace sw::cli
