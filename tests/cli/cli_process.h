#pragma once

#include <string>
#include <vector>

namespace sw::cli_test {

struct CliResult {
  std::string out;
  std::string err;
  int exitCode;
};

// Runs the built sumwright-cli with these arguments and collects its
// standard output, standard error and exit code.
CliResult RunCli(const std::vector<std::string>& args);

}  // namespace sw::cli_test
