#include "system/save_report.h"

#include "report/report_file.h"

namespace sw {

SavedReport SaveReport(std::string_view reportText, std::string_view chosenName, WriteMode mode) {
  SavedReport saved{ReportFileName(chosenName), std::nullopt};
  if (saved.path.find('\0') != std::string::npos) {
    saved.failure = "the name contains a null character";
  } else {
    saved.failure = WriteReportFile(saved.path, ReportFileRecord(reportText), mode);
  }
  return saved;
}

}  // namespace sw
