#include "ui/report_window/report_file_commands.h"

#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QVariant>

#include "report/report_file.h"
#include "system/save_report.h"
#include "ui/report_window/report_text.h"
#include "ui/report_window/report_window.h"

namespace sw::ui {
namespace {

// The one file dialog serves all four commands.
constexpr char kSaveDialogTitle[] = "Save Drop Table As...";
constexpr char kSaveDialogFilter[] = "*.txt";
// The name as the user chose it, without the ".txt" a command may add, kept
// on the window so that it goes when the window is unloaded.
constexpr char kChosenNameProperty[] = "chosenFileName";

// The message box title and prompt of a failed file command.
constexpr char kFileFailureTitle[] = "Sumwright";

QString SaveFailurePrompt(const QString& fileName, const QString& reason) {
  return QStringLiteral("Could not save \"%1\": %2").arg(fileName, reason);
}

QString AppendFailurePrompt(const QString& fileName, const QString& reason) {
  return QStringLiteral("Could not append to \"%1\": %2").arg(fileName, reason);
}

// The title and question before a changed report window closes.
constexpr char kSaveChangesTitle[] = "Sumwright";

QString SaveChangesPrompt() {
  return QStringLiteral("The report has been changed.\r\nDo you want to save your changes?");
}

// The file a command opens for a name the user chose.
QString FileToOpen(const QString& chosen) {
  return QFile::decodeName(
      QByteArray::fromStdString(ReportFileName(QFile::encodeName(chosen).toStdString())));
}

// Asked about the file really written, which may have had ".txt" added to
// the name chosen; appending adds to an existing file, and never asks.
bool ReplaceConfirmed(FormWindow& report, Dialogs& dialogs, const QString& chosen, bool replace) {
  const QString fileName = FileToOpen(chosen);
  return !replace || !QFileInfo::exists(fileName) ||
         dialogs.confirmReplace(&report, kSaveDialogTitle, fileName);
}

// A close that the user cancels, or whose saving fails, keeps the window
// open with its text.
class AskToSaveChanges final : public QObject {
 public:
  AskToSaveChanges(FormWindow& report, Dialogs& dialogs)
      : QObject(&report), report_(report), dialogs_(dialogs) {
    report.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() != QEvent::Close || !ReportTextBox(report_).document()->isModified()) {
      return false;
    }
    switch (dialogs_.askSaveChanges(&report_, kSaveChangesTitle, SaveChangesPrompt())) {
      case UnsavedChanges::Discard:
        return false;
      case UnsavedChanges::Save:
        if (RunReportFileCommand(report_, dialogs_, MenuCommand::Save)) return false;
        break;
      case UnsavedChanges::Cancel:
        break;
    }
    event->ignore();
    return true;
  }

 private:
  FormWindow& report_;
  Dialogs& dialogs_;
};

}  // namespace

bool RunReportFileCommand(FormWindow& report, Dialogs& dialogs, MenuCommand command) {
  const bool replace = command == MenuCommand::Save || command == MenuCommand::SaveAs;
  QString chosenName = report.property(kChosenNameProperty).toString();
  if (command == MenuCommand::SaveAs || command == MenuCommand::AppendTo || chosenName.isEmpty()) {
    const auto chosen =
        dialogs.askSaveFileName(&report, kSaveDialogTitle, kSaveDialogFilter, chosenName);
    if (!chosen || !ReplaceConfirmed(report, dialogs, *chosen, replace)) return false;
    chosenName = *chosen;
    report.setProperty(kChosenNameProperty, chosenName);
  }
  QPlainTextEdit& box = ReportTextBox(report);
  // The ".txt" is added to the file opened, not to the name remembered.
  const SavedReport saved = SaveReport(ReportText(box), QFile::encodeName(chosenName).toStdString(),
                                       replace ? WriteMode::Replace : WriteMode::Append);
  if (saved.failure) {
    const QString fileName = QFile::decodeName(QByteArray::fromStdString(saved.path));
    const QString reason = QString::fromLocal8Bit(saved.failure->c_str());
    const QString prompt =
        replace ? SaveFailurePrompt(fileName, reason) : AppendFailurePrompt(fileName, reason);
    dialogs.message(&report, kFileFailureTitle, prompt, MessageIcon::Warning);
    return false;
  }
  box.document()->setModified(false);
  return true;
}

void AskToSaveChangesOnClose(FormWindow& report, Dialogs& dialogs) {
  new AskToSaveChanges(report, dialogs);
}

}  // namespace sw::ui
