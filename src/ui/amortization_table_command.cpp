#include "ui/amortization_table_command.h"

#include "calculations/field_calculations.h"
#include "calculations/loan_fields.h"
#include "ui/report_text.h"
#include "ui/report_window.h"

namespace sw::ui {

void ShowAmortizationTable(const FormWindow& loan, FormWindow& report,
                           const Separators& separators) {
  report.setWindowTitle(QStringLiteral("Amortization Table"));
  report.menuEntry(report_window::kPrint)->setEnabled(false);
  report.showLoaded();
  report.raise();
  report.activateWindow();
  // Built whole and set once: appending row by row would copy the text
  // once per month.
  const auto text = [&loan](std::size_t input) {
    return loan.text(kAmortizationTable.inputs[input].control.data()).toStdString();
  };
  SetReportText(ReportTextBox(report), AmortizationReport(text(0), text(1), text(2), separators));
}

}  // namespace sw::ui
