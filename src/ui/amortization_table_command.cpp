#include "ui/amortization_table_command.h"

#include "report/amortization_report.h"
#include "ui/report_text.h"
#include "ui/report_window.h"

namespace sw::ui {

void ShowAmortizationTable(const LayoutWindow& loan, LayoutWindow& report) {
  report.setWindowTitle(QStringLiteral("Amortization Table"));
  report.menuEntry(QStringLiteral("mnuPrint"))->setEnabled(false);
  report.showLoaded();
  report.raise();
  report.activateWindow();
  // Built whole and set once: appending row by row would copy the text
  // once per month.
  SetReportText(ReportTextBox(report),
                AmortizationReport(loan.text(QStringLiteral("txtP")).toStdString(),
                                   loan.text(QStringLiteral("txtI")).toStdString(),
                                   loan.text(QStringLiteral("txtN")).toStdString()));
}

}  // namespace sw::ui
