#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sw::cli_test {

struct CliResult {
  std::string out;
  std::string err;
  int exitCode;
};

// Runs the built sumwright-cli with these arguments and collects its
// standard output, standard error and exit code. The program starts with
// the file-size signal's default action, as from a shell, and with a cap
// on the size of the files it writes when one is given (Linux only: Windows
// has no such cap).
CliResult RunCli(const std::vector<std::string>& args,
                 std::optional<std::uint64_t> fileSizeLimit = std::nullopt);

// RunCli with the "NAME=value" entries of `environment` in place of the
// variables of the test's environment that they name.
CliResult RunCliWith(const std::vector<std::string>& environment,
                     const std::vector<std::string>& args);

}  // namespace sw::cli_test
