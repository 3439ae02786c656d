#include "ui/report_window/amortization_table_command.h"

#include "calculations/field_calculations.h"
#include "calculations/loan_fields.h"
#include "ui/designs/window_designs.h"
#include "ui/report_window/report_text.h"
#include "ui/report_window/report_window.h"

namespace sw::ui {

void ShowAmortizationTable(const FormWindow& loan, FormWindow& report,
                           const Separators& separators) {
  report.setWindowTitle(QStringLiteral("Amortization Table"));
  report.menuEntry(report_window::kPrint)->setEnabled(false);
  report.showLoaded();
  report.raise();
  report.activateWindow();
  // Built whole and set once: appending row by row would copy the text
  // once per month. The UTF-8 report is gone before the box builds its
  // document, so the largest table's copies never hold the heap together.
  const auto text = [&loan](std::size_t input) {
    return loan.text(kAmortizationTable.inputs[input].control.data()).toStdString();
  };
  const QString boxText = ToBoxText(AmortizationReport(text(0), text(1), text(2), separators));
  SetReportText(ReportTextBox(report), boxText);
}

}  // namespace sw::ui
