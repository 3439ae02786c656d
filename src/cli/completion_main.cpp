// Writes the bash completion script of sumwright-cli to the file given; the
// build runs it so that the script always matches the commands.
#include <iostream>
#include <sstream>

#include "cli/bash_completion.h"
#include "cli/command_line_parser.h"
#include "cli/exit_code.h"
#include "system/file_writer.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: sumwright-cli-completion OUTPUT_FILE\n";
    return 2;
  }
  sw::cli::CommandLineParser parser;
  std::ostringstream script;
  sw::cli::WriteBashCompletion(parser.app(), script);
  const auto failure = sw::WriteReportFile(argv[1], script.str(), sw::WriteMode::Replace);
  if (!failure) return 0;
  std::cerr << "sumwright-cli-completion: cannot write \"" << argv[1] << "\": " << *failure << '\n';
  return static_cast<int>(sw::cli::ExitCode::kWriteFailure);
}
