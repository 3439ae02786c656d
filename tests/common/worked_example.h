#pragma once

#include <array>
#include <string>
#include <string_view>

namespace sw::test {

// The loan of 10,000.00 at 7.5 % for one year.
inline constexpr std::string_view kWorkedExamplePrincipal = "10000";
inline constexpr std::string_view kWorkedExampleRate = "7.5";
inline constexpr std::string_view kWorkedExampleYears = "1";

// Its amortization table, line by line.
inline constexpr std::array<std::string_view, 15> kWorkedExampleLines{
    "Amortization Table for 10,000.00 at 7.500% for 1 years",
    " #  Monthly  Monthly   Remaining",
    "    Interest Principal Principal",
    "001  62.50  805.07  9,194.93",
    "002  57.47  810.11  8,384.82",
    "003  52.41  815.17  7,569.65",
    "004  47.31  820.26  6,749.39",
    "005  42.18  825.39  5,924.00",
    "006  37.02  830.55  5,093.45",
    "007  31.83  835.74  4,257.71",
    "008  26.61  840.96  3,416.74",
    "009  21.35  846.22  2,570.52",
    "010  16.07  851.51  1,719.02",
    "011  10.74  856.83  862.19",
    "012  05.39  862.19  0.00",
};

// The worked example's lines, each followed by the line end.
inline std::string WorkedExampleText(std::string_view lineEnd) {
  std::string text;
  for (const std::string_view line : kWorkedExampleLines) {
    text.append(line);
    text.append(lineEnd);
  }
  return text;
}

// The report text, as the report window holds it; a report file quotes it
// with CR LF line ends.
inline const std::string kWorkedExampleReport = WorkedExampleText("\n");

}  // namespace sw::test
