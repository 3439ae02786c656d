#include <iostream>

#include "cli/command_line.h"
#include "system/program_start.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args = sw::StartProgram(argc, argv);
  std::ios::sync_with_stdio(false);
  return static_cast<int>(sw::cli::RunCommandLine(args, std::cout, std::cerr));
}
