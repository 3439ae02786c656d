// The amortization report from three field texts (principal, rate, years,
// separated by line feeds), read and written with one locale's separators:
// a table whose every line ends in a line feed and whose every number reads back
// with the same separators, or one of its messages.
#include <string>
#include <variant>

#include "calculations/loan_fields.h"
#include "calculations/messages.h"
#include "fuzz_support.h"
#include "loan/amortization.h"
#include "numeric/calc_failure.h"
#include "numeric/field_value.h"
#include "report/amortization_report.h"

namespace {

using sw::fuzz::Require;

// Longer loans only add rows of the same kind; formatting them would slow
// every run down.
constexpr int kMaxFormattedYears = 50;

bool IsMessage(std::string_view text) {
  namespace m = sw::amortization_message;
  return text == m::kPrincipal || text == m::kInterest || text == m::kYears || text == m::kGeneral;
}

bool ReadsAsNumber(std::string_view text, const sw::Separators& separators) {
  try {
    sw::FieldToNumber(text, separators);
    return true;
  } catch (const sw::CalcFailure&) {
    return false;
  }
}

// A row is the month and three amounts, each two spaces apart.
void CheckRow(std::string_view row, const sw::Separators& separators) {
  int numbers = 0;
  for (std::size_t start = 0; start <= row.size(); ++numbers) {
    const auto end = std::min(row.find("  ", start), row.size());
    Require(ReadsAsNumber(row.substr(start, end - start), separators), "a report number reads back",
            row);
    start = end + 2;
  }
  Require(numbers == 4, "a row holds four numbers", row);
}

void CheckReport(std::string_view report, std::size_t rows, const sw::Separators& separators) {
  std::size_t lines = 0;
  for (std::size_t start = 0; start < report.size(); ++lines) {
    const auto end = report.find('\n', start);
    Require(end != std::string_view::npos, "every line ends in a line feed", report.substr(start));
    const auto line = report.substr(start, end - start);
    Require(line.find_first_of("\r\n") == std::string_view::npos, "no stray line break", line);
    if (lines >= 3) CheckRow(line, separators);
    start = end + 1;
  }
  Require(lines == rows + 3, "a title, two header lines and a line a month", report.substr(0, 80));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto fields = sw::fuzz::Fields(data, size, 3);
  const sw::Separators& separators = sw::fuzz::SeparatorsFor(size);
  const auto outcome = sw::ComputeAmortization(fields[0], fields[1], fields[2], separators);
  if (const auto* message = std::get_if<std::string>(&outcome)) {
    Require(IsMessage(*message), "a failure is one of the report's messages", *message);
    return 0;
  }
  const auto& table = std::get<sw::Amortization>(outcome);
  Require(table.rows.size() == static_cast<std::size_t>(12 * table.years), "a row a month",
          fields[2]);
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    Require(table.rows[i].month == static_cast<int>(i + 1), "months count from 1", fields[2]);
  }
  if (table.years > kMaxFormattedYears) return 0;
  CheckReport(sw::AmortizationReport(fields[0], fields[1], fields[2], separators),
              table.rows.size(), separators);
  return 0;
}
