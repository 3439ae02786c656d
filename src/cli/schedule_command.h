#pragma once

#include <CLI/CLI.hpp>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.h"
#include "report/schedule_formats.h"

namespace sw::cli {

// A value of --format and the format it picks.
struct FormatName {
  std::string_view name;
  ScheduleFormat format;
};

// In the order that help, usage and completion list them.
inline constexpr std::array<FormatName, 5> kScheduleFormats{{{"text", ScheduleFormat::kText},
                                                             {"csv", ScheduleFormat::kCsv},
                                                             {"json", ScheduleFormat::kJson},
                                                             {"svg", ScheduleFormat::kSvg},
                                                             {"html", ScheduleFormat::kHtml}}};

// The names in kScheduleFormats, in its order.
std::vector<std::string> ScheduleFormatNames();

// Adds "schedule": the month-by-month table of a loan, written to the
// terminal as text, CSV or JSON, as a chart (SVG) or a printable page
// (HTML), or saved to a report file.
void AddScheduleCommand(CLI::App& app, CommandTable& commands);

}  // namespace sw::cli
