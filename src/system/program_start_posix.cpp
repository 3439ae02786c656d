#include <csignal>
#include <span>

#include "system/program_start.h"

namespace sw {
namespace {

// Over the file-size limit a write then fails with EFBIG, which the file
// writer rolls back, instead of the system ending the program midway.
void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace

std::vector<std::string> StartProgram(int argc, char** argv) {
  IgnoreFileSizeSignal();
  const auto given = std::span(argv, static_cast<std::size_t>(argc)).subspan(1);
  return {given.begin(), given.end()};
}

}  // namespace sw
