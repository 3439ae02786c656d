#include <span>

#include "system/file_writer.h"
#include "system/program_start.h"

namespace sw {

std::vector<std::string> StartProgram(int argc, char** argv) {
  IgnoreFileSizeSignal();
  const auto given = std::span(argv, static_cast<std::size_t>(argc)).subspan(1);
  return {given.begin(), given.end()};
}

}  // namespace sw
