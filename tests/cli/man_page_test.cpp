#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "calculations/field_calculations.h"
#include "cli_process.h"

namespace sw::cli_test {
namespace {

std::string ReadText(const char* path) {
  std::ifstream file(path);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string ManPage() { return ReadText(SUMWRIGHT_CLI_MAN_PAGE); }

// The text with each run of blanks and line breaks as one blank.
std::string Flowing(const std::string& text) {
  std::string flowing;
  for (const char c : text) {
    const bool blank = c == ' ' || c == '\n';
    if (!blank || (!flowing.empty() && flowing.back() != ' ')) flowing += blank ? ' ' : c;
  }
  return flowing;
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

// Every format that "schedule --format" takes, as its help lists them, has
// its section under OUTPUT FORMATS.
TEST(ManPage, DescribesEveryScheduleFormat) {
  const std::string help = RunCli({"schedule", "--help"}).out;
  const std::size_t start = help.find("FORMAT:{");
  ASSERT_NE(start, std::string::npos) << help;
  const std::string list = help.substr(start + 8, help.find('}', start) - start - 8);
  const std::string page = ManPage();
  std::size_t formats = 0;
  for (std::size_t at = 0; at <= list.size(); ++formats) {
    const std::size_t end = std::min(list.find(',', at), list.size());
    const std::string format = list.substr(at, end - at);
    EXPECT_NE(page.find(".SS \"schedule \\-\\-format " + format + "\"\n"), std::string::npos)
        << format << " has no section";
    at = end + 1;
  }
  EXPECT_EQ(formats, 5u) << list;
}

// Exit status 3 means the same in the help, the man page and both READMEs.
TEST(ManPage, AgreesWithHelpAndReadmesOnExitStatusThree) {
  EXPECT_NE(RunCli({"--help"}).out.find(", 3 output not written."), std::string::npos);
  EXPECT_NE(ManPage().find(".B 3\nThe report file, or standard output, could not be written"),
            std::string::npos);
  for (const char* readme : {SUMWRIGHT_README, SUMWRIGHT_WINDOWS_README}) {
    EXPECT_NE(Flowing(ReadText(readme))
                  .find("; 3 a report file or the standard output could not be written"),
              std::string::npos)
        << readme;
  }
}

}  // namespace
}  // namespace sw::cli_test
