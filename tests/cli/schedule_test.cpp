#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "calculations/loan_fields.h"
#include "case_name.h"
#include "cli_process.h"
#include "report/schedule_formats.h"
#include "schedule_args.h"
#include "schedule_markup.h"

namespace sw::cli_test {
namespace {

TEST(ScheduleText, PrintsTheReportWithNewlineLineEnds) {
  for (const auto& extra : {std::vector<std::string>{}, {"--format", "text"}}) {
    const CliResult run = RunCli(ScheduleArgs(extra));
    EXPECT_EQ(run.out, WorkedExampleText("\n"));
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.exitCode, 0);
  }
}

// Each --format name picks its format, written as the report writes it
// (the formats' own tests are the core's).
TEST(ScheduleFormats, EachNamePicksItsFormat) {
  const auto table = std::get<Amortization>(ComputeAmortization(
      test::kWorkedExamplePrincipal, test::kWorkedExampleRate, test::kWorkedExampleYears));
  const std::pair<std::string, ScheduleFormat> names[] = {{"text", ScheduleFormat::kText},
                                                          {"csv", ScheduleFormat::kCsv},
                                                          {"json", ScheduleFormat::kJson},
                                                          {"svg", ScheduleFormat::kSvg},
                                                          {"html", ScheduleFormat::kHtml}};
  for (const auto& [name, format] : names) {
    std::ostringstream written;
    WriteSchedule(table, format, Separators{}, written);
    const CliResult run = RunCli(ScheduleArgs({"--format", name}));
    EXPECT_EQ(run.out, written.str()) << name;
    EXPECT_EQ(run.err, "") << name;
    EXPECT_EQ(run.exitCode, 0) << name;
  }
}

// The chart and the page carry the report's title and digits, in the
// locale with --locale; neither can be saved as a report file. The totals
// add the shown cents (410.88), not the unrounded interest (410.89).
TEST_P(ScheduleMarkup, PrintsTheLoanAndRefusesReportFiles) {
  const auto& [name, environment, extra, begins, holds] = GetParam();
  const CliResult run = RunCliWith(environment, ScheduleArgs(extra));
  EXPECT_TRUE(run.out.starts_with(begins)) << run.out.substr(0, 80);
  for (const std::string& part : holds) EXPECT_NE(run.out.find(part), std::string::npos) << part;
  EXPECT_TRUE(run.out.ends_with("</svg>\n") || run.out.ends_with("</html>\n"));
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, 0);

  for (const std::string option : {"--save", "--append"}) {
    std::vector<std::string> toFile = extra;
    toFile.insert(toFile.end(), {option, "/nonexistent/loan"});
    const CliResult refused = RunCliWith(environment, ScheduleArgs(toFile));
    EXPECT_EQ(refused.out, "");
    EXPECT_TRUE(
        refused.err.starts_with("sumwright-cli: --save and --append write the text "
                                "report: they go only with --format text, not with "
                                "--format " +
                                extra[1] + "\n"))
        << refused.err;
    EXPECT_EQ(refused.exitCode, 2) << option;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ScheduleMarkup,
    testing::Values(
        MarkupFormat{"Svg",
                     {},
                     {"--format", "svg"},
                     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ",
                     {"<title>" + kMarkupTitle + "</title>", "<desc>", "viewBox=", ">10,000<"}},
        MarkupFormat{
            "Html",
            {},
            {"--format", "html"},
            "<!DOCTYPE html>\n",
            {"<title>" + kMarkupTitle + "</title>", "<meta charset=\"utf-8\"/>", "lang=\"en\"",
             "<svg ", "<td>012</td><td>05.39</td><td>862.19</td><td>0.00</td>",
             "Monthly payment</th><td>867.57</td>", "payments</th><td>12</td>",
             "Principal repaid</th><td>10,000.00</td>", "Total paid</th><td>10,410.88</td>",
             "Total interest</th><td>410.88</td>"}}),
    CaseName{});

struct RefusedLoan {
  const char* name;
  std::vector<std::string> args;
  std::string message;
};

void PrintTo(const RefusedLoan& c, std::ostream* os) {
  for (const auto& arg : c.args) *os << '"' << arg << "\" ";
}

class ScheduleFailure : public testing::TestWithParam<RefusedLoan> {};

TEST_P(ScheduleFailure, PrintsTheMessageOnErrorInEveryFormat) {
  for (const std::string format : {"text", "csv", "json", "svg", "html"}) {
    std::vector<std::string> args{"schedule", "--format", format};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const CliResult run = RunCli(args);
    EXPECT_EQ(run.out, "") << format;
    EXPECT_EQ(run.err, GetParam().message + "\n") << format;
    EXPECT_EQ(run.exitCode, 1) << format;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Messages, ScheduleFailure,
    testing::Values(RefusedLoan{"NegativePrincipal",
                                {"--principal", "-5000", "--rate", "6", "--years", "30"},
                                "Please fill in the Principal of the loan"},
                    RefusedLoan{"NegativeRate",
                                {"--principal", "1000", "--rate", "-1", "--years", "30"},
                                "Please fill in the interest for the loan"},
                    RefusedLoan{"YearsRoundToZero",
                                {"--principal", "1000", "--rate", "6", "--years", "0.4"},
                                "Please fill in the number of years to spread payments across"},
                    RefusedLoan{"ZeroRate",
                                {"--principal", "1000", "--rate", "0", "--years", "30"},
                                "Please fill in the Principal, Interest, and Years of the loan"},
                    RefusedLoan{"EmptyYears",
                                {"--principal", "0", "--rate", "6", "--years", ""},
                                "Please fill in the Principal, Interest, and Years of the loan"}),
    CaseName{});

}  // namespace
}  // namespace sw::cli_test
