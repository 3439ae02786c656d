#include "report/report_file.h"

#include <gtest/gtest.h>

#include "calculations/loan_fields.h"
#include "case_name.h"
#include "tested_locales.h"

namespace sw {
namespace {

struct NameCase {
  const char* name;
  const char* chosen;
  const char* opened;
};

class ReportFileNameGives : public testing::TestWithParam<NameCase> {};

TEST_P(ReportFileNameGives, Name) {
  EXPECT_EQ(ReportFileName(GetParam().chosen), GetParam().opened);
}

INSTANTIATE_TEST_SUITE_P(
    TxtRule, ReportFileNameGives,
    testing::Values(NameCase{"AddsTxt", "report", "report.txt"},
                    NameCase{"KeepsTxt", "report.txt", "report.txt"},
                    NameCase{"UpperCaseIsNotTxt", "REPORT.TXT", "REPORT.TXT.txt"},
                    NameCase{"TxtInsideTheName", "a.txt.bak", "a.txt.bak.txt"},
                    NameCase{"Empty", "", ".txt"}, NameCase{"TxtWithoutDot", "txt", "txt.txt"},
                    NameCase{"OnlyTheExtension", ".txt", ".txt"},
                    NameCase{"FullPath", "/tmp/loan", "/tmp/loan.txt"},
                    NameCase{"NonAsciiPath", "/tmp/prêt.txt", "/tmp/prêt.txt"}),
    CaseName{});

struct RecordCase {
  const char* name;
  std::string text;
  std::string bytes;
};

class ReportFileRecordGives : public testing::TestWithParam<RecordCase> {};

TEST_P(ReportFileRecordGives, Bytes) {
  EXPECT_EQ(ReportFileRecord(GetParam().text), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReportFileRecordGives,
    testing::Values(
        RecordCase{"Plain", "abc", "\"abc\"\r\n"}, RecordCase{"Empty", "", "\"\"\r\n"},
        RecordCase{"InnerQuotesAndLineBreak", "say \"hi\"\nbye", "\"say \"hi\"\r\nbye\"\r\n"},
        RecordCase{"EveryLineFeedGetsItsCarriageReturn", "\n\na\r\n", "\"\r\n\r\na\r\r\n\"\r\n"},
        RecordCase{"Latin1OneByteEach", "caf\xC3\xA9 \xC3\xBF", "\"caf\xE9 \xFF\"\r\n"},
        RecordCase{"BeyondLatin1BecomesQuestionMark", "\xE2\x82\xAC 5 \xF0\x9F\x98\x80",
                   "\"? 5 ?\"\r\n"},
        RecordCase{"InvalidByte", "bad \xFF byte", "\"bad ? byte\"\r\n"},
        RecordCase{"CutShortSequence", "cut \xC3", "\"cut ?\"\r\n"},
        RecordCase{"LeadWithoutContinuation",
                   "\xC3"
                   "A",
                   "\"?A\"\r\n"},
        RecordCase{"OverlongLatin1", "\xE0\x83\xA9", "\"???\"\r\n"}),
    CaseName{});

TEST(ReportFileRecord, TableEndsWithLoneClosingQuoteLine) {
  const std::string text = AmortizationReport("10000", "7.5", "1");
  const std::string record = ReportFileRecord(text);
  EXPECT_TRUE(record.starts_with("\"Amortization Table for 10,000.00 at 7.500% for 1 years\r\n"))
      << record.substr(0, 60);
  EXPECT_TRUE(record.ends_with("\r\n012  05.39  862.19  0.00\r\n\"\r\n"));
  EXPECT_EQ(record.size(), 1 + text.size() + 15 + 3);
}

// A no-break space that groups digits is the one byte 0xA0 in the file.
TEST(ReportFileRecord, FrenchGroupingIsOneByte) {
  const std::string record =
      ReportFileRecord(AmortizationReport("100000", "6", "30", test::kFrench));
  EXPECT_TRUE(
      record.starts_with("\"Amortization Table for 100\xA0"
                         "000,00 at 6,000% for 30 years\r\n"))
      << record.substr(0, 60);
  EXPECT_NE(record.find("\r\n001  500,00  99,55  99\xA0"
                        "900,45\r\n"),
            std::string::npos);
}

}  // namespace
}  // namespace sw
