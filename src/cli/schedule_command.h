#pragma once

#include <CLI/CLI.hpp>
#include <array>
#include <string_view>

#include "cli/command.h"

namespace sw::cli {

inline constexpr std::array<std::string_view, 3> kScheduleFormats{"text", "csv", "json"};

// Adds "schedule": the month-by-month table of a loan, written to the
// terminal as text, CSV or JSON, or saved to a report file.
void AddScheduleCommand(CLI::App& app, CommandTable& commands);

}  // namespace sw::cli
