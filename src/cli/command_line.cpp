#include "cli/command_line.h"

#include <algorithm>
#include <vector>

#include "cli/command_line_parser.h"
#include "cli/command_suggestion.h"
#include "cli/split_assigned_values.h"
#include "cli/usage.h"
#include "system/standard_output.h"

namespace sw::cli {
namespace {

ExitCode RunSelected(const CLI::App& app, const CommandTable& commands, std::ostream& out,
                     std::ostream& err) {
  const CLI::App* selected = app.get_subcommands().front();
  const auto command = std::ranges::find(commands, selected, &Command::parser);
  return command->action(out, err);
}

ExitCode Run(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  CommandLineParser parser;
  CLI::App& app = parser.app();
  std::vector<std::string> parserArgs = SplitAssignedValues(args);
  if (const auto problem = UnknownCommandProblem(app, parserArgs)) {
    return ReportUsageError(*problem, err);
  }
  // CLI11 wants the arguments last to first.
  std::ranges::reverse(parserArgs);
  try {
    app.parse(parserArgs);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return ExitCode::kSuccess;
  } catch (const CLI::CallForVersion& version) {
    out << version.what() << '\n';
    return ExitCode::kSuccess;
  } catch (const CLI::ParseError& error) {
    return ReportUsageError(error.what(), err);
  }
  return RunSelected(app, parser.commands(), out, err);
}

}  // namespace

ExitCode RunCommandLine(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const ExitCode code = Run(args, out, err);
  if (!out.flush()) {
    err << kProgramName << ": cannot write the standard output: " << WriteFailureReason(out)
        << '\n';
    return ExitCode::kWriteFailure;
  }
  return code;
}

}  // namespace sw::cli
