#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace sw::cli_test {

// A case of the chart or the page: what the program is run with, how its
// output begins and what it holds.
struct MarkupFormat {
  const char* name;
  std::vector<std::string> environment;
  std::vector<std::string> extra;
  std::string begins;
  std::vector<std::string> holds;
};

inline void PrintTo(const MarkupFormat& c, std::ostream* os) { *os << c.name; }

// Its cases in the C library's locales run on Linux only.
class ScheduleMarkup : public testing::TestWithParam<MarkupFormat> {};

inline const std::string kMarkupTitle = "Amortization Table for 10,000.00 at 7.500% for 1 years";

}  // namespace sw::cli_test
