#pragma once

#include <string>
#include <vector>

#include "worked_example.h"

namespace sw::cli_test {

using test::WorkedExampleText;

// "schedule" with the worked example's loan, then `extra`.
inline std::vector<std::string> ScheduleArgs(const std::vector<std::string>& extra) {
  std::vector<std::string> args{"schedule",
                                "--principal",
                                std::string(test::kWorkedExamplePrincipal),
                                "--rate",
                                std::string(test::kWorkedExampleRate),
                                "--years",
                                std::string(test::kWorkedExampleYears)};
  args.insert(args.end(), extra.begin(), extra.end());
  return args;
}

}  // namespace sw::cli_test
