#include <CLI/CLI.hpp>
#include <algorithm>
#include <iostream>
#include <span>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/field_commands.h"
#include "cli/schedule_command.h"
#include "cli/split_assigned_values.h"
#include "cli/usage.h"
#include "report/file_writer.h"

namespace {

using sw::cli::ExitCode;

// CLI11 wants the arguments last to first.
std::vector<std::string> ParserArguments(int argc, char** argv) {
  std::vector<std::string> args =
      sw::cli::SplitAssignedValues(std::span(argv, static_cast<std::size_t>(argc)).subspan(1));
  std::reverse(args.begin(), args.end());
  return args;
}

ExitCode RunSelected(const CLI::App& app, const sw::cli::CommandTable& commands) {
  const CLI::App* selected = app.get_subcommands().front();
  const auto command = std::find_if(commands.begin(), commands.end(),
                                    [selected](const auto& c) { return c.parser == selected; });
  const ExitCode code = command->action(std::cout, std::cerr);
  if (!std::cout.flush()) {
    std::cerr << sw::cli::kProgramName << ": cannot write the standard output\n";
    return ExitCode::kWriteFailure;
  }
  return code;
}

ExitCode Main(int argc, char** argv) {
  CLI::App app{"Calculator for fixed-rate loans and savings draw-down",
               std::string(sw::cli::kProgramName)};
  app.footer(
      "Values are read as the calculator's entry fields read them.\n"
      "Exit status: 0 done, 1 calculation failed, 2 usage error, 3 file not written.");
  app.set_version_flag("--version", std::string(sw::cli::kProgramName) + " " SUMWRIGHT_VERSION);
  app.require_subcommand(1);
  sw::cli::CommandTable commands;
  sw::cli::AddFieldCommands(app, commands);
  sw::cli::AddScheduleCommand(app, commands);
  try {
    app.parse(ParserArguments(argc, argv));
  } catch (const CLI::CallForHelp&) {
    std::cout << app.help();
    return ExitCode::kSuccess;
  } catch (const CLI::CallForVersion& version) {
    std::cout << version.what() << '\n';
    return ExitCode::kSuccess;
  } catch (const CLI::ParseError& error) {
    return sw::cli::ReportUsageError(error.what(), std::cerr);
  }
  return RunSelected(app, commands);
}

}  // namespace

int main(int argc, char** argv) {
  sw::IgnoreFileSizeSignal();
  std::ios::sync_with_stdio(false);
  return static_cast<int>(Main(argc, argv));
}
