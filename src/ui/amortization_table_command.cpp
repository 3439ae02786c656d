#include "ui/amortization_table_command.h"

#include "calculations/window_names.h"
#include "report/amortization_report.h"
#include "ui/report_text.h"
#include "ui/report_window.h"

namespace sw::ui {

void ShowAmortizationTable(const LayoutWindow& loan, LayoutWindow& report,
                           const Separators& separators) {
  report.setWindowTitle(QStringLiteral("Amortization Table"));
  report.menuEntry(report_window::kPrint)->setEnabled(false);
  report.showLoaded();
  report.raise();
  report.activateWindow();
  // Built whole and set once: appending row by row would copy the text
  // once per month.
  SetReportText(ReportTextBox(report),
                AmortizationReport(loan.text(loan_window::kPrincipal).toStdString(),
                                   loan.text(loan_window::kRate).toStdString(),
                                   loan.text(loan_window::kYears).toStdString(), separators));
}

}  // namespace sw::ui
