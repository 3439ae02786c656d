#include <iostream>

#include "cli/command_line.h"
#include "system/program_start.h"
#include "system/standard_output.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args = sw::StartProgram(argc, argv);
  std::ios::sync_with_stdio(false);
  sw::StandardOutput out;
  return static_cast<int>(sw::cli::RunCommandLine(args, out, std::cerr));
}
