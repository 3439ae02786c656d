#include <iostream>
#include <span>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "system/file_writer.h"

int main(int argc, char** argv) {
  sw::IgnoreFileSizeSignal();
  std::ios::sync_with_stdio(false);
  const auto given = std::span(argv, static_cast<std::size_t>(argc)).subspan(1);
  const std::vector<std::string> args(given.begin(), given.end());
  return static_cast<int>(sw::cli::RunCommandLine(args, std::cout, std::cerr));
}
