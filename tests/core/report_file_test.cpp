#include "report/report_file.h"

#include <gtest/gtest.h>

#include "report/amortization_report.h"

namespace sw {
namespace {

struct NameCase {
  const char* chosen;
  const char* opened;
};

class ReportFileNameGives : public testing::TestWithParam<NameCase> {};

TEST_P(ReportFileNameGives, Name) {
  EXPECT_EQ(ReportFileName(GetParam().chosen), GetParam().opened);
}

INSTANTIATE_TEST_SUITE_P(
    TxtRule, ReportFileNameGives,
    testing::Values(NameCase{"report", "report.txt"}, NameCase{"report.txt", "report.txt"},
                    NameCase{"REPORT.TXT", "REPORT.TXT.txt"}, NameCase{"a.txt.bak", "a.txt.bak.txt"},
                    NameCase{"", ".txt"}, NameCase{"txt", "txt.txt"}, NameCase{".txt", ".txt"},
                    NameCase{"/tmp/loan", "/tmp/loan.txt"},
                    NameCase{"/tmp/prêt.txt", "/tmp/prêt.txt"}));

struct RecordCase {
  std::string text;
  std::string bytes;
};

class ReportFileRecordGives : public testing::TestWithParam<RecordCase> {};

TEST_P(ReportFileRecordGives, Bytes) { EXPECT_EQ(ReportFileRecord(GetParam().text), GetParam().bytes); }

INSTANTIATE_TEST_SUITE_P(
    Texts, ReportFileRecordGives,
    testing::Values(RecordCase{"abc", "\"abc\"\r\n"}, RecordCase{"", "\"\"\r\n"},
                    RecordCase{"say \"hi\"\r\nbye", "\"say \"hi\"\r\nbye\"\r\n"},
                    RecordCase{"caf\xC3\xA9 \xC3\xBF", "\"caf\xE9 \xFF\"\r\n"},
                    RecordCase{"\xE2\x82\xAC 5 \xF0\x9F\x98\x80", "\"? 5 ?\"\r\n"},
                    RecordCase{"bad \xFF byte", "\"bad ? byte\"\r\n"},
                    RecordCase{"cut \xC3", "\"cut ?\"\r\n"}));

TEST(ReportFileRecord, TableEndsWithLoneClosingQuoteLine) {
  const std::string text = AmortizationReport("10000", "7.5", "1");
  const std::string record = ReportFileRecord(text);
  EXPECT_EQ(record, "\"" + text + "\"\r\n");
  EXPECT_TRUE(record.ends_with("0.00\r\n\"\r\n"));
}

}  // namespace
}  // namespace sw
