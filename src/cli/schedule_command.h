#pragma once

#include <CLI/CLI.hpp>

#include "cli/command.h"

namespace sw::cli {

// Adds "schedule": the month-by-month table of a loan, written to the
// terminal as text, CSV or JSON, or saved to a report file.
void AddScheduleCommand(CLI::App& app, CommandTable& commands);

}  // namespace sw::cli
