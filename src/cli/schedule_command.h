#pragma once

#include <CLI/CLI.hpp>
#include <array>
#include <string_view>

#include "calculations/field_calculations.h"
#include "cli/command.h"

namespace sw::cli {

inline constexpr std::string_view kScheduleName = "schedule";
// The fields that the loan window's amortization table reads, in order.
inline constexpr std::array<FieldInput, 3> kScheduleInputs{loan_input::kPrincipal,
                                                           loan_input::kRate, loan_input::kYears};
inline constexpr std::array<std::string_view, 3> kScheduleFormats{"text", "csv", "json"};

// Adds "schedule": the month-by-month table of a loan, written to the
// terminal as text, CSV or JSON, or saved to a report file.
void AddScheduleCommand(CLI::App& app, CommandTable& commands);

}  // namespace sw::cli
