#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "loan/amortization.h"
#include "report/unrounded_schedule.h"

namespace sw {
namespace {

std::string Written(void (*write)(const Amortization&, std::ostream&), const Amortization& table) {
  std::ostringstream out;
  write(table, out);
  return out.str();
}

// The worked example: a line before the rows, a line a month, and JSON's
// closing line; numbers unrounded, in their shortest round-trip form.
TEST(UnroundedSchedule, WritesTheWorkedExample) {
  const Amortization table = AmortizationSchedule(10000, 7.5, 1);
  const struct {
    std::string text, begins, ends;
    long lines;
  } formats[] = {
      {Written(WriteCsv, table),
       "month,interest,principal,balance\n"
       "1,62.5,805.0741688540659,9194.925831145934\n"
       "2,57.46828644466209,810.1058824094038,8384.819948736531\n",
       "\n12,5.3886594338766685,862.1855094201892,7.764811016386375e-11\n", 13},
      {Written(WriteJson, table),
       R"({"principal":10000,"rate":7.5,"years":1,"payment":867.5741688540659,"rows":[)"
       "\n"
       R"({"month":1,"interest":62.5,"principal":805.0741688540659,"balance":9194.925831145934},)"
       "\n",
       ",\n"
       R"({"month":12,"interest":5.3886594338766685,"principal":862.1855094201892,)"
       R"("balance":7.764811016386375e-11})"
       "\n]}\n",
       14},
  };
  for (const auto& [text, begins, ends, lines] : formats) {
    EXPECT_TRUE(text.starts_with(begins)) << text;
    EXPECT_TRUE(text.ends_with(ends)) << text;
    EXPECT_EQ(std::ranges::count(text, '\n'), lines) << text;
  }
}

}  // namespace
}  // namespace sw
