// Every field calculation of the catalogue with fuzzed field texts. The
// input's first line names the calculation, the following lines are its
// field texts in reading order, read with one locale's separators. A
// calculation returns its result text, or
// fails with CalcFailure, for which the window shows its message; nothing
// else may happen, and the same texts give the same result.
#include <optional>
#include <string>
#include <vector>

#include "calculations/field_calculations.h"
#include "fuzz_support.h"
#include "numeric/calc_failure.h"

namespace {

using sw::fuzz::Require;

std::optional<std::string> Compute(const sw::FieldCalculation& calculation,
                                   const sw::Separators& separators,
                                   const std::vector<std::string>& texts) {
  try {
    return calculation.compute(separators, texts);
  } catch (const sw::CalcFailure&) {
    return std::nullopt;
  }
}

// A result is one line without control characters: a number, "Infinite",
// "$1.00", "21 months" (a separator may be a no-break space in UTF-8).
bool IsResultText(std::string_view text) {
  if (text.empty()) return false;
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < ' ' || c == '\x7f') return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input{reinterpret_cast<const char*>(data), size};
  const auto idEnd = input.find('\n');
  if (idEnd == std::string_view::npos) return 0;
  const std::string_view id = input.substr(0, idEnd);
  for (const sw::FieldCalculation& calculation : sw::FieldCalculations()) {
    if (calculation.id != id) continue;
    const std::string_view rest = input.substr(idEnd + 1);
    const auto fields = sw::fuzz::Fields(reinterpret_cast<const std::uint8_t*>(rest.data()),
                                         rest.size(), calculation.inputs.size());
    const std::vector<std::string> texts(fields.begin(), fields.end());
    const sw::Separators& separators = sw::fuzz::SeparatorsFor(size);
    const auto result = Compute(calculation, separators, texts);
    Require(!result || IsResultText(*result), "a result is one line", input);
    Require(Compute(calculation, separators, texts) == result,
            "the same texts give the same result", input);
  }
  return 0;
}
