#include "report/unrounded_schedule.h"

#include <array>
#include <charconv>
#include <string>

#include "loan/amortization.h"

namespace sw {
namespace {

// The shortest text that reads back as exactly this value.
std::string Shortest(double value) {
  std::array<char, 32> buffer{};
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
  return std::string(buffer.data(), end);
}

void WriteJsonRow(const AmortizationRow& row, std::ostream& out) {
  out << R"({"month":)" << row.month << R"(,"interest":)" << Shortest(row.interest)
      << R"(,"principal":)" << Shortest(row.principal) << R"(,"balance":)" << Shortest(row.balance)
      << '}';
}

}  // namespace

void WriteCsv(const Amortization& table, std::ostream& out) {
  out << "month,interest,principal,balance\n";
  for (const AmortizationRow& row : table.rows) {
    out << row.month << ',' << Shortest(row.interest) << ',' << Shortest(row.principal) << ','
        << Shortest(row.balance) << '\n';
  }
}

// One row a line, so that the rows can be read and compared line by line.
void WriteJson(const Amortization& table, std::ostream& out) {
  out << R"({"principal":)" << Shortest(table.principal) << R"(,"rate":)"
      << Shortest(table.yearlyRate) << R"(,"years":)" << table.years << R"(,"payment":)"
      << Shortest(table.payment) << R"(,"rows":[)";
  const char* separator = "\n";
  for (const AmortizationRow& row : table.rows) {
    out << separator;
    WriteJsonRow(row, out);
    separator = ",\n";
  }
  out << "\n]}\n";
}

}  // namespace sw
