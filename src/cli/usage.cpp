#include "cli/usage.h"

#include <algorithm>
#include <span>
#include <string>

#include "calculations/field_calculations.h"
#include "cli/schedule_command.h"

namespace sw::cli {
namespace {

// The command names are padded so that their options line up.
std::string CommandColumn(std::string_view name, std::size_t width) {
  std::string column = "  " + std::string(kProgramName) + " " + std::string(name);
  column.append(width - name.size(), ' ');
  return column;
}

std::string Options(std::span<const FieldInput> inputs) {
  std::string text;
  for (const FieldInput& input : inputs) {
    text += " " + std::string(input.option) + " " + std::string(input.placeholder);
  }
  return text;
}

std::string Synopsis() {
  std::size_t width = kAmortizationTable.id.size();
  for (const FieldCalculation& calculation : FieldCalculations()) {
    width = std::max(width, calculation.id.size());
  }
  std::string text = "Usage:\n";
  for (const FieldCalculation& calculation : FieldCalculations()) {
    text += CommandColumn(calculation.id, width) + Options(calculation.inputs) + "\n";
  }
  const std::string schedule = CommandColumn(kAmortizationTable.id, width);
  std::string formats;
  for (const std::string& name : ScheduleFormatNames()) {
    formats += (formats.empty() ? "" : "|") + name;
  }
  text += schedule + Options(kAmortizationTable.inputs) + " [--format " + formats + "]\n";
  text += std::string(schedule.size() + 1, ' ') + "[--save FILE | --append FILE]\n";
  text += "  " + std::string(kProgramName) + " --help | --version\n";
  text += "Run \"" + std::string(kProgramName) +
          " COMMAND --help\" for the meaning of a command's options.\n";
  return text;
}

}  // namespace

ExitCode ReportUsageError(std::string_view problem, std::ostream& err) {
  static const std::string synopsis = Synopsis();
  err << kProgramName << ": " << problem << '\n' << synopsis;
  return ExitCode::kUsage;
}

}  // namespace sw::cli
