#include "ui/report_file_commands.h"

#include <QFile>

#include "calculations/window_names.h"
#include "system/save_report.h"
#include "ui/report_text.h"
#include "ui/report_window.h"

namespace sw::ui {
namespace {

enum class Ask { OnlyWithoutName, Always };

// The one file dialog serves all four commands.
constexpr char kSaveDialogTitle[] = "Save Drop Table As...";
constexpr char kSaveDialogFilter[] = "*.txt";

// Lives as a child of the report window, so the remembered name goes with it.
class ReportFileCommands final : public QObject {
 public:
  ReportFileCommands(FormWindow& window, Dialogs& dialogs)
      : QObject(&window), window_(window), dialogs_(dialogs) {
    bind(report_window::kSave, Ask::OnlyWithoutName, WriteMode::Replace);
    bind(report_window::kSaveAs, Ask::Always, WriteMode::Replace);
    bind(report_window::kAppend, Ask::OnlyWithoutName, WriteMode::Append);
    bind(report_window::kAppendTo, Ask::Always, WriteMode::Append);
  }

 private:
  void bind(const char* entry, Ask ask, WriteMode mode) {
    connect(window_.menuEntry(entry), &QAction::triggered, this, [this, ask, mode] {
      run(ask, mode);
    });
  }

  void run(Ask ask, WriteMode mode) {
    if (ask == Ask::Always || fileName_.isEmpty()) {
      const auto chosen =
          dialogs_.askSaveFileName(&window_, kSaveDialogTitle, kSaveDialogFilter, fileName_);
      if (!chosen) return;
      fileName_ = *chosen;
    }
    // The ".txt" is added to the file opened, not to the name remembered.
    const SavedReport saved = SaveReport(ReportText(ReportTextBox(window_)),
                                         QFile::encodeName(fileName_).toStdString(), mode);
    if (saved.failure) {
      const QString fileName = QFile::decodeName(QByteArray::fromStdString(saved.path));
      const QString reason = QString::fromLocal8Bit(saved.failure->c_str());
      const QString prompt = mode == WriteMode::Replace ? SaveFailurePrompt(fileName, reason)
                                                        : AppendFailurePrompt(fileName, reason);
      dialogs_.message(&window_, kFileFailureTitle, prompt, MessageIcon::Warning);
    }
  }

  FormWindow& window_;
  Dialogs& dialogs_;
  // The name as the user chose it, without the ".txt" a command may add.
  QString fileName_;
};

}  // namespace

void BindReportFileCommands(FormWindow& window, Dialogs& dialogs) {
  new ReportFileCommands(window, dialogs);
}

QString SaveFailurePrompt(const QString& fileName, const QString& reason) {
  return QStringLiteral("Could not save \"%1\": %2").arg(fileName, reason);
}

QString AppendFailurePrompt(const QString& fileName, const QString& reason) {
  return QStringLiteral("Could not append to \"%1\": %2").arg(fileName, reason);
}

}  // namespace sw::ui
