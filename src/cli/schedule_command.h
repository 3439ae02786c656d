#pragma once

#include <CLI/CLI.hpp>
#include <array>
#include <string_view>

#include "cli/command.h"

namespace sw::cli {

inline constexpr std::array<std::string_view, 5> kScheduleFormats{"text", "csv", "json", "svg",
                                                                  "html"};

// Adds "schedule": the month-by-month table of a loan, written to the
// terminal as text, CSV or JSON, as a chart (SVG) or a printable page
// (HTML), or saved to a report file.
void AddScheduleCommand(CLI::App& app, CommandTable& commands);

}  // namespace sw::cli
