#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include "app_test_case.h"
#include "report_request.h"
#include "ui/report_window/report_file_commands.h"
#include "ui/report_window/report_window.h"

using namespace sw::ui;
using namespace sw::ui::test;

namespace {

QStringList VisibleWindows() {
  QStringList names;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible()) names << widget->objectName();
  }
  names.sort();
  return names;
}

// Closed as the window system's close control does, through the platform.
void CloseOnScreen(QWidget& window) {
  QVERIFY(window.windowHandle() != nullptr);
  window.windowHandle()->close();
}

}  // namespace

class ClosingTest : public AppTestCase {
  Q_OBJECT

 private slots:
  void closing_data() {
    // The calculator on screen, and the report window: "" for none,
    // "produced", "edited" (typed into), or "edited, saved".
    QTest::addColumn<bool>("inDrawDown");
    QTest::addColumn<QString>("report");
    // Closed in this order: "calculator", "report".
    QTest::addColumn<QStringList>("closed");
    // The answer to the save-changes question, or "" when none is expected;
    // "Save, cancelled" cancels the save dialog that Save opens.
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("visible");
    QTest::addColumn<bool>("quits");
    const QStringList calculator{"calculator"};
    const QStringList report{"report"};
    const QStringList both{"calculator", "report"};
    const QStringList loan{"frmAPIN"};
    const QStringList reportOnly{"frmPrintOutput"};
    const QStringList loanAndReport{"frmAPIN", "frmPrintOutput"};
    QTest::newRow("loan alone") << false << "" << calculator << "" << QStringList() << true;
    QTest::newRow("draw-down, loan hidden")
        << true << "" << calculator << "" << QStringList() << true;
    QTest::newRow("calculator, report stays")
        << false << "produced" << calculator << "" << reportOnly << false;
    QTest::newRow("draw-down, report stays")
        << true << "edited" << calculator << "" << reportOnly << false;
    QTest::newRow("then the report, last window")
        << false << "produced" << both << "" << QStringList() << true;
    QTest::newRow("then the edited report, discarded")
        << false << "edited" << both << "Discard" << QStringList() << true;
    QTest::newRow("then the edited report, cancelled")
        << false << "edited" << both << "Cancel" << reportOnly << false;
    QTest::newRow("produced report, no question")
        << false << "produced" << report << "" << loan << false;
    QTest::newRow("saved report, no question")
        << false << "edited, saved" << report << "" << loan << false;
    QTest::newRow("edited report, cancelled")
        << false << "edited" << report << "Cancel" << loanAndReport << false;
    QTest::newRow("edited report, discarded")
        << false << "edited" << report << "Discard" << loan << false;
    QTest::newRow("edited report, saved") << false << "edited" << report << "Save" << loan << false;
    QTest::newRow("edited report, save cancelled")
        << false << "edited" << report << "Save, cancelled" << loanAndReport << false;
  }

  // The program ends once no window is left on screen; a report window
  // that stays open keeps its text, and an edited one is never lost unasked.
  void closing() {
    QFETCH(bool, inDrawDown);
    QFETCH(QString, report);
    QFETCH(QStringList, closed);
    QFETCH(QString, answer);
    QFETCH(QStringList, visible);
    QFETCH(bool, quits);
    QTemporaryDir dir;
    const QString file = dir.filePath("report.txt");
    QSignalSpy quit(&fixture().app(), &CalculatorApp::quitRequested);
    RecordingDialogs& dialogs = fixture().dialogs();

    QPointer<FormWindow> reportWindow;
    QString text;
    if (!report.isEmpty()) {
      reportWindow = &RequestTable(fixture(), "0", "7.5", "1");
      if (report.startsWith("edited")) {
        QPlainTextEdit& box = ReportTextBox(*reportWindow);
        box.moveCursor(QTextCursor::End);
        QTest::keyClicks(&box, " (checked)");
      }
      if (report == "edited, saved") {
        dialogs.prepareSaveAnswer(file);
        Choose(*reportWindow, "mnuSaveAs");
        QCOMPARE(dialogs.takeSaveRequests().size(), 1);
      }
      text = reportWindow->text("txtText");
    }
    FormWindow& calculator = inDrawDown ? fixture().goToDrawDown() : fixture().loan();

    if (answer == "Save" || answer == "Save, cancelled") {
      dialogs.prepareSaveChangesAnswer(UnsavedChanges::Save);
      dialogs.prepareSaveAnswer(answer == "Save" ? std::optional(file) : std::nullopt);
    } else if (answer == "Discard") {
      dialogs.prepareSaveChangesAnswer(UnsavedChanges::Discard);
    } else if (answer == "Cancel") {
      dialogs.prepareSaveChangesAnswer(UnsavedChanges::Cancel);
    }
    for (const QString& window : closed) {
      CloseOnScreen(window == "report" ? static_cast<QWidget&>(*reportWindow) : calculator);
    }

    const auto questions = dialogs.takeSaveChangesQuestions();
    QCOMPARE(questions.size(), answer.isEmpty() ? 0 : 1);
    if (!answer.isEmpty()) {
      const QString prompt = "The report has been changed.\r\nDo you want to save your changes?";
      QCOMPARE(questions[0], (RecordedQuestion{reportWindow, "Sumwright", prompt}));
    }
    QCOMPARE(dialogs.takeSaveRequests().size(), answer.startsWith("Save") ? 1 : 0);
    QTRY_COMPARE(VisibleWindows(), visible);
    QCOMPARE(quit.count(), quits ? 1 : 0);
    if (visible.contains("frmPrintOutput")) {
      QCOMPARE(fixture().app().loadedReportWindow(), reportWindow.data());
      QCOMPARE(reportWindow->text("txtText"), text);
    } else if (reportWindow != nullptr) {
      QCOMPARE(fixture().app().loadedReportWindow(), nullptr);
      QTRY_VERIFY(reportWindow.isNull());
    }
    if (answer == "Save") {
      QFile saved(file);
      QVERIFY(saved.open(QIODevice::ReadOnly));
      QVERIFY(saved.readAll().contains("(checked)"));
    }
  }
};

QTEST_MAIN(ClosingTest)
#include "closing_test.moc"
