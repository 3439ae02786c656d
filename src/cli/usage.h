#pragma once

#include <ostream>
#include <string_view>

#include "cli/exit_code.h"

namespace sw::cli {

inline constexpr std::string_view kProgramName = "sumwright-cli";

// Writes "sumwright-cli: <problem>" and the synopsis of every command.
ExitCode ReportUsageError(std::string_view problem, std::ostream& err);

}  // namespace sw::cli
