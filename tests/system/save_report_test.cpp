#include "system/save_report.h"

#include <gtest/gtest.h>

#include <string>

#include "case_name.h"
#include "writer_folder.h"

namespace sw {
namespace {

using SaveReportTest = WriterFolderTest;

struct NameCase {
  const char* name;
  const char* chosen;
  const char* written;
};

// Both modes write the same record to the same name; the file starts empty.
class SaveReportNames : public SaveReportTest, public testing::WithParamInterface<NameCase> {};

TEST_P(SaveReportNames, WriteOneLatin1RecordToTheTxtName) {
  const auto& [name, chosen, written] = GetParam();
  for (const WriteMode mode : {WriteMode::Replace, WriteMode::Append}) {
    const SavedReport saved = SaveReport("Caf\xC3\xA9 \xE2\x82\xAC\n1", Path(chosen), mode);
    EXPECT_EQ(saved.path, Path(written));
    EXPECT_EQ(saved.failure, std::nullopt);
    EXPECT_EQ(Read(Path(written)), "\"Caf\xE9 ?\r\n1\"\r\n");
    EXPECT_EQ(EntriesInDir(), 1u);
    std::filesystem::remove(Path(written));
  }
}

INSTANTIATE_TEST_SUITE_P(Names, SaveReportNames,
                         testing::Values(NameCase{"Plain", "loan", "loan.txt"},
                                         NameCase{"Txt", "loan.txt", "loan.txt"},
                                         NameCase{"UpperCaseTxt", "loan.TXT", "loan.TXT.txt"},
                                         NameCase{"OtherExtension", "loan.csv", "loan.csv.txt"}),
                         CaseName{});

TEST_F(SaveReportTest, AppendAddsARecordAndReplaceLeavesOne) {
  ASSERT_EQ(SaveReport("a", Path("r"), WriteMode::Append).failure, std::nullopt);
  ASSERT_EQ(SaveReport("b", Path("r"), WriteMode::Append).failure, std::nullopt);
  EXPECT_EQ(Read(Path("r.txt")), "\"a\"\r\n\"b\"\r\n");
  ASSERT_EQ(SaveReport("c", Path("r"), WriteMode::Replace).failure, std::nullopt);
  EXPECT_EQ(Read(Path("r.txt")), "\"c\"\r\n");
}

TEST_F(SaveReportTest, FailureNamesThePathAndLeavesNoFile) {
  const std::string withNull = Path("a") + std::string(1, '\0') + "b";
  for (const WriteMode mode : {WriteMode::Replace, WriteMode::Append}) {
    const SavedReport nulled = SaveReport("x", withNull, mode);
    EXPECT_EQ(nulled.path, withNull + ".txt");
    EXPECT_EQ(nulled.failure, "the name contains a null character");
    const SavedReport missing = SaveReport("x", Path("no/such/folder/r"), mode);
    EXPECT_EQ(missing.path, Path("no/such/folder/r.txt"));
    EXPECT_EQ(missing.failure, "No such file or directory");
  }
  EXPECT_EQ(EntriesInDir(), 0u);
}

}  // namespace
}  // namespace sw
