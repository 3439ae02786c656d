#include "ui/report_file_commands.h"

#include <QFile>
#include <QVariant>

#include "system/save_report.h"
#include "ui/report_text.h"
#include "ui/report_window.h"

namespace sw::ui {
namespace {

// The one file dialog serves all four commands.
constexpr char kSaveDialogTitle[] = "Save Drop Table As...";
constexpr char kSaveDialogFilter[] = "*.txt";
// The name as the user chose it, without the ".txt" a command may add, kept
// on the window so that it goes when the window is unloaded.
constexpr char kChosenNameProperty[] = "chosenFileName";

}  // namespace

void RunReportFileCommand(FormWindow& report, Dialogs& dialogs, MenuCommand command) {
  QString chosenName = report.property(kChosenNameProperty).toString();
  if (command == MenuCommand::SaveAs || command == MenuCommand::AppendTo || chosenName.isEmpty()) {
    const auto chosen =
        dialogs.askSaveFileName(&report, kSaveDialogTitle, kSaveDialogFilter, chosenName);
    if (!chosen) return;
    chosenName = *chosen;
    report.setProperty(kChosenNameProperty, chosenName);
  }
  const bool replace = command == MenuCommand::Save || command == MenuCommand::SaveAs;
  // The ".txt" is added to the file opened, not to the name remembered.
  const SavedReport saved =
      SaveReport(ReportText(ReportTextBox(report)), QFile::encodeName(chosenName).toStdString(),
                 replace ? WriteMode::Replace : WriteMode::Append);
  if (saved.failure) {
    const QString fileName = QFile::decodeName(QByteArray::fromStdString(saved.path));
    const QString reason = QString::fromLocal8Bit(saved.failure->c_str());
    const QString prompt =
        replace ? SaveFailurePrompt(fileName, reason) : AppendFailurePrompt(fileName, reason);
    dialogs.message(&report, kFileFailureTitle, prompt, MessageIcon::Warning);
  }
}

QString SaveFailurePrompt(const QString& fileName, const QString& reason) {
  return QStringLiteral("Could not save \"%1\": %2").arg(fileName, reason);
}

QString AppendFailurePrompt(const QString& fileName, const QString& reason) {
  return QStringLiteral("Could not append to \"%1\": %2").arg(fileName, reason);
}

}  // namespace sw::ui
