#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "calculations/field_calculations.h"

namespace sw::cli_test {
namespace {

std::string ManPage() {
  std::ifstream file(SUMWRIGHT_CLI_MAN_PAGE);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// How the synopsis shows the command: its required options in order.
std::string SynopsisOf(const FieldCalculation& calculation) {
  std::string lines = ".SY sumwright-cli\n.B " + std::string(calculation.id) + "\n";
  for (const FieldInput& input : calculation.inputs) {
    lines += ".BI \\-\\" + std::string(input.option.substr(1)) + " \" " +
             std::string(input.placeholder) + "\"\n";
  }
  return lines + ".YS\n";
}

// The man page lists the field commands in the catalogue's order, each with
// the options that the command line requires, and describes each of them.
TEST(ManPage, ShowsEveryFieldCommandAsTheCommandLineTakesIt) {
  const std::string page = ManPage();
  ASSERT_FALSE(page.empty()) << SUMWRIGHT_CLI_MAN_PAGE;
  std::string synopsis = ".SH SYNOPSIS\n";
  for (const FieldCalculation& calculation : FieldCalculations()) {
    synopsis += SynopsisOf(calculation);
    EXPECT_NE(page.find(".TP\n.B " + std::string(calculation.id) + "\n"), std::string::npos)
        << calculation.id << " is not described";
  }
  EXPECT_NE(page.find(synopsis), std::string::npos) << "expected the synopsis to begin:\n"
                                                    << synopsis;
}

}  // namespace
}  // namespace sw::cli_test
