#include "cli/split_assigned_values.h"

#include <string_view>

namespace sw::cli {
namespace {

// Every long option takes one value except these flags.
bool TakesValue(std::string_view arg) {
  return arg.size() > 2 && arg.starts_with("--") && arg != "--help" && arg != "--version";
}

}  // namespace

// CLI11 2.1 ignores the empty value of "--opt=" and takes the next argument
// as the value instead. Its "--opt VALUE" form takes any text, the empty one
// and one that starts with "-" included, so every value is passed that way.
std::vector<std::string> SplitAssignedValues(std::span<const std::string> args) {
  std::vector<std::string> result;
  bool valueExpected = false;
  for (const std::string_view arg : args) {
    const auto equals = arg.find('=');
    if (!valueExpected && TakesValue(arg) && equals != std::string_view::npos) {
      result.emplace_back(arg.substr(0, equals));
      result.emplace_back(arg.substr(equals + 1));
      continue;
    }
    valueExpected = !valueExpected && TakesValue(arg);
    result.emplace_back(arg);
  }
  return result;
}

}  // namespace sw::cli
