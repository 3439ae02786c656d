#include "ui/report_file_commands.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <optional>
#include <string>

#include "calculations/window_names.h"
#include "report/file_writer.h"
#include "report/report_file.h"
#include "ui/report_text.h"
#include "ui/report_window.h"

namespace sw::ui {
namespace {

enum class Ask { OnlyWithoutName, Always };

// The one file dialog serves all four commands.
constexpr char kSaveDialogTitle[] = "Save Drop Table As...";
constexpr char kSaveDialogFilter[] = "*.txt";

QString FromStd(const std::string& text) { return QString::fromStdString(text); }

// The file a command opens for a name the user chose.
QString FileToOpen(const QString& chosen) { return FromStd(ReportFileName(chosen.toStdString())); }

// Writes to the file of that name; the system's reason on failure.
std::optional<QString> WriteFile(const QString& fileName, const std::string& record,
                                 WriteMode mode) {
  // The system would read the name only up to the null and write elsewhere.
  if (fileName.contains(QChar(u'\0'))) return QStringLiteral("the name contains a null character");
  const auto reason = WriteReportFile(QFile::encodeName(fileName).toStdString(), record, mode);
  if (reason) return QString::fromLocal8Bit(reason->c_str());
  return std::nullopt;
}

// Lives as a child of the report window, so the remembered name goes with it.
class ReportFileCommands final : public QObject {
 public:
  ReportFileCommands(LayoutWindow& window, Dialogs& dialogs)
      : QObject(&window), window_(window), dialogs_(dialogs) {
    bind(report_window::kSave, Ask::OnlyWithoutName, WriteMode::Replace);
    bind(report_window::kSaveAs, Ask::Always, WriteMode::Replace);
    bind(report_window::kAppend, Ask::OnlyWithoutName, WriteMode::Append);
    bind(report_window::kAppendTo, Ask::Always, WriteMode::Append);
    window.installEventFilter(this);
  }

 protected:
  // A close that the user cancels, or whose saving fails, keeps the window
  // open with its text.
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() != QEvent::Close || !textBox().document()->isModified()) return false;
    switch (dialogs_.askSaveChanges(&window_, kFileFailureTitle, SaveChangesPrompt())) {
      case UnsavedChanges::Discard:
        return false;
      case UnsavedChanges::Save:
        if (run(Ask::OnlyWithoutName, WriteMode::Replace)) return false;
        break;
      case UnsavedChanges::Cancel:
        break;
    }
    event->ignore();
    return true;
  }

 private:
  void bind(const char* entry, Ask ask, WriteMode mode) {
    connect(window_.menuEntry(entry), &QAction::triggered, this, [this, ask, mode] {
      run(ask, mode);
    });
  }

  QPlainTextEdit& textBox() const { return ReportTextBox(window_); }

  // True when the text was written.
  bool run(Ask ask, WriteMode mode) {
    if (ask == Ask::Always || fileName_.isEmpty()) {
      const auto chosen =
          dialogs_.askSaveFileName(&window_, kSaveDialogTitle, kSaveDialogFilter, fileName_);
      if (!chosen || !replaceConfirmed(*chosen, mode)) return false;
      fileName_ = *chosen;
    }
    // The ".txt" is added to the file opened, not to the name remembered.
    const QString fileName = FileToOpen(fileName_);
    const std::string record = ReportFileRecord(ReportText(textBox()));
    if (const auto reason = WriteFile(fileName, record, mode)) {
      const QString prompt = mode == WriteMode::Replace ? SaveFailurePrompt(fileName, *reason)
                                                        : AppendFailurePrompt(fileName, *reason);
      dialogs_.message(&window_, kFileFailureTitle, prompt, MessageIcon::Warning);
      return false;
    }
    textBox().document()->setModified(false);
    return true;
  }

  // Asked about the file really written, which may have had ".txt" added
  // to the name chosen; appending adds to an existing file, and never asks.
  bool replaceConfirmed(const QString& chosen, WriteMode mode) {
    const QString fileName = FileToOpen(chosen);
    return mode == WriteMode::Append || !QFileInfo::exists(fileName) ||
           dialogs_.confirmReplace(&window_, kSaveDialogTitle, fileName);
  }

  LayoutWindow& window_;
  Dialogs& dialogs_;
  // The name as the user chose it, without the ".txt" a command may add.
  QString fileName_;
};

}  // namespace

void BindReportFileCommands(LayoutWindow& window, Dialogs& dialogs) {
  new ReportFileCommands(window, dialogs);
}

QString SaveFailurePrompt(const QString& fileName, const QString& reason) {
  return QStringLiteral("Could not save \"%1\": %2").arg(fileName, reason);
}

QString SaveChangesPrompt() {
  return QStringLiteral("The report has been changed.\r\nDo you want to save your changes?");
}

QString AppendFailurePrompt(const QString& fileName, const QString& reason) {
  return QStringLiteral("Could not append to \"%1\": %2").arg(fileName, reason);
}

}  // namespace sw::ui
