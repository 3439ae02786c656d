#include "cli/report_saving.h"

#include "cli/usage.h"
#include "report/report_file.h"

namespace sw::cli {

ExitCode SaveReport(std::string_view reportText, std::string_view chosenName, WriteMode mode,
                    std::ostream& err) {
  const std::string path = ReportFileName(chosenName);
  const auto failure = WriteReportFile(path, ReportFileRecord(reportText), mode);
  if (!failure) return ExitCode::kSuccess;
  err << kProgramName << ": cannot write \"" << path << "\": " << *failure << '\n';
  return ExitCode::kWriteFailure;
}

}  // namespace sw::cli
