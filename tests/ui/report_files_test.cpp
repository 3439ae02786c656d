#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "app_test_case.h"
#include "report_file_checks.h"
#include "report_request.h"
#include "ui/report_window/report_file_commands.h"
#include "ui/report_window/report_window.h"
#include "worked_example.h"

using namespace sw::ui;
using namespace sw::ui::test;

namespace {

const QByteArray kPrincipalMessage = "Please fill in the Principal of the loan";

}  // namespace

class ReportFilesTest : public AppTestCase {
  Q_OBJECT

 private slots:
  void init() {
    AppTestCase::init();
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
  }
  void cleanup() {
    dir_.reset();
    AppTestCase::cleanup();
  }

  // The first Save asks; the next one replaces the file without asking.
  void saveAsksOnceThenReplaces() {
    FormWindow& report = table();
    const qsizetype handles = OpenHandles();
    dialogs().prepareSaveAnswer(path("report.txt"));
    Choose(report, "mnuSave");

    const auto requests = dialogs().takeSaveRequests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].parent, &report);
    QCOMPARE(requests[0].title, QString("Save Drop Table As..."));
    QCOMPARE(requests[0].filter, QString("*.txt"));
    QCOMPARE(requests[0].proposedName, QString());
    QCOMPARE(Contents(path("report.txt")),
             Record(QByteArray::fromStdString(sw::test::kWorkedExampleReport)));

    ReportTextBox(report).setPlainText("abc");
    Choose(report, "mnuSave");
    QCOMPARE(Contents(path("report.txt")), QByteArray("\"abc\"\r\n"));
    QCOMPARE(Entries(*dir_), QStringList{"report.txt"});
    QCOMPARE(OpenHandles(), handles);
  }

  // A name chosen in Save As is the one later Saves and Appends use.
  void saveAsNameServesSaveAndAppend() {
    FormWindow& report = table();
    dialogs().prepareSaveAnswer(path("first.txt"));
    dialogs().prepareSaveAnswer(path("second.txt"));
    Choose(report, "mnuSaveAs");
    Choose(report, "mnuSaveAs");
    ReportTextBox(report).setPlainText("");
    Choose(report, "mnuAppend");
    Choose(report, "mnuSave");

    const auto requests = dialogs().takeSaveRequests();
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests[1].proposedName, path("first.txt"));
    QCOMPARE(Contents(path("first.txt")),
             Record(QByteArray::fromStdString(sw::test::kWorkedExampleReport)));
    QCOMPARE(Contents(path("second.txt")), Record(""));
  }

  void appendTwiceLeavesTwoRecords() {
    FormWindow& report = table("0");
    dialogs().prepareSaveAnswer(path("log"));
    dialogs().prepareSaveAnswer(path("log"));
    Choose(report, "mnuAppend");
    Choose(report, "mnuAppend");
    Choose(report, "mnuAppendTo");
    QCOMPARE(dialogs().takeSaveRequests().size(), 2);
    QCOMPARE(Contents(path("log.txt")), Record(kPrincipalMessage).repeated(3));
  }

  void extensionRule_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << "loan"
                                  << "loan.txt";
    QTest::newRow("exact extension") << "loan.txt"
                                     << "loan.txt";
    QTest::newRow("capitals") << "REPORT.TXT"
                              << "REPORT.TXT.txt";
    QTest::newRow("extension inside") << "a.txt.bak"
                                      << "a.txt.bak.txt";
    QTest::newRow("just the extension") << ".txt"
                                        << ".txt";
  }

  // The dialog proposes the name as the user typed it, not the name written.
  void extensionRule() {
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    FormWindow& report = table("0");
    dialogs().prepareSaveAnswer(path(chosen));
    dialogs().prepareSaveAnswer(std::nullopt);
    Choose(report, "mnuSaveAs");
    Choose(report, "mnuSaveAs");
    QCOMPARE(dialogs().takeSaveRequests().at(1).proposedName, path(chosen));
    QCOMPARE(Entries(*dir_), QStringList{written});
    QCOMPARE(Contents(path(written)), Record(kPrincipalMessage));
  }

  // Typed and pasted text: Latin-1 characters are one byte each, others
  // "?"; quotes stay single.
  void userEditedTextIsWrittenAsShown() {
    FormWindow& report = table();
    QPlainTextEdit& box = ReportTextBox(report);
    box.selectAll();
    QTest::keyClicks(&box, "say \"");
    box.insertPlainText(QString::fromUtf8("é"));
    QTest::keyClicks(&box, "\"");
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClicks(&box, "5 ");
    box.insertPlainText(QString::fromUtf8("€"));
    QTest::keyClick(&box, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(&box, Qt::Key_Return);
    dialogs().prepareSaveAnswer(path("edited"));
    Choose(report, "mnuSave");
    QCOMPARE(dialogs().takeSaveRequests().size(), 1);
    QCOMPARE(Contents(path("edited.txt")), QByteArray("\"say \"\xE9\"\r\n5 ?\r\n\r\n\"\r\n"));
  }

  // A cancel writes nothing, says nothing and keeps the remembered name.
  void cancelledDialogWritesNothing() {
    FormWindow& report = table("0");
    dialogs().prepareSaveAnswer(std::nullopt);
    dialogs().prepareSaveAnswer(std::nullopt);
    Choose(report, "mnuSave");
    Choose(report, "mnuAppendTo");
    QVERIFY(Entries(*dir_).isEmpty());

    dialogs().prepareSaveAnswer(path("kept"));
    dialogs().prepareSaveAnswer(std::nullopt);
    Choose(report, "mnuSaveAs");
    Choose(report, "mnuSaveAs");
    ReportTextBox(report).setPlainText("new");
    Choose(report, "mnuSave");
    QCOMPARE(dialogs().takeSaveRequests().size(), 4);
    QCOMPARE(Contents(path("kept.txt")), Record("new"));
  }

  void replacingAnExistingFileAsks_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("chosen");
    // Whether a replace question is expected, and the answer to it.
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QByteArray>("contents");
    const QByteArray old = "IMPORTANT DATA\n";
    const QByteArray report = Record(kPrincipalMessage);
    QTest::newRow("save as, yes") << "mnuSaveAs"
                                  << "keep.txt" << true << true << report;
    QTest::newRow("save as, no") << "mnuSaveAs"
                                 << "keep.txt" << true << false << old;
    QTest::newRow("save as, typed without .txt") << "mnuSaveAs"
                                                 << "keep" << true << false << old;
    QTest::newRow("first save, yes") << "mnuSave"
                                     << "keep" << true << true << report;
    QTest::newRow("first save, no") << "mnuSave"
                                    << "keep.txt" << true << false << old;
    QTest::newRow("save as, other name") << "mnuSaveAs"
                                         << "keep.TXT" << false << false << old;
    QTest::newRow("append to") << "mnuAppendTo"
                               << "keep.txt" << false << false << old + report;
    QTest::newRow("first append") << "mnuAppend"
                                  << "keep" << false << false << old + report;
  }

  // Asked about the file really written; No keeps both the file and the
  // remembered name, so the next Save shows the dialog again.
  void replacingAnExistingFileAsks() {
    QFETCH(QString, entry);
    QFETCH(QString, chosen);
    QFETCH(bool, asked);
    QFETCH(bool, replace);
    QFETCH(QByteArray, contents);
    QVERIFY(WriteBytes(path("keep.txt"), "IMPORTANT DATA\n"));
    FormWindow& report = table("0");
    dialogs().prepareSaveAnswer(path(chosen));
    if (asked) dialogs().prepareReplaceAnswer(replace);
    Choose(report, entry);

    const auto questions = dialogs().takeReplaceQuestions();
    QCOMPARE(questions.size(), asked ? 1 : 0);
    if (asked) {
      QCOMPARE(questions[0],
               (RecordedQuestion{&report, "Save Drop Table As...", path("keep.txt")}));
    }
    QCOMPARE(Contents(path("keep.txt")), contents);
    QCOMPARE(dialogs().takeSaveRequests().size(), 1);

    const bool nameKept = !asked || replace;
    if (!nameKept) dialogs().prepareSaveAnswer(std::nullopt);
    Choose(report, "mnuSave");
    const auto again = dialogs().takeSaveRequests();
    QCOMPARE(again.size(), nameKept ? 0 : 1);
    if (!nameKept) QCOMPARE(again[0].proposedName, QString());
  }

  void closingTheWindowForgetsTheName() {
    FormWindow& first = table("0");
    dialogs().prepareSaveAnswer(path("old"));
    Choose(first, "mnuSave");
    first.close();

    Choose(fixture().loan(), "mnuAmortTable");
    dialogs().prepareSaveAnswer(path("new"));
    Choose(fixture().app().reportWindow(), "mnuSave");
    const auto requests = dialogs().takeSaveRequests();
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests[1].proposedName, QString());
    QCOMPARE(Contents(path("new.txt")), Record(kPrincipalMessage));
  }

  void failuresAreReported_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("reason");
    for (const QString entry : {"mnuSave", "mnuAppend"}) {
      QTest::addRow("%s, missing folder", qPrintable(entry))
          << entry << "missing/report" << QString("No such file or directory");
      QTest::addRow("%s, folder is a file", qPrintable(entry))
          << entry << "file/report" << kFolderIsAFileReason;
      QTest::addRow("%s, null in the name", qPrintable(entry))
          << entry << QString("file") + QChar(u'\0') + "x"
          << QString("the name contains a null character");
    }
  }

  // A message names the file and the reason; nothing is written anywhere.
  void failuresAreReported() {
    QFETCH(QString, entry);
    QFETCH(QString, chosen);
    QFETCH(QString, reason);
    QVERIFY(WriteBytes(path("file"), "old"));
    FormWindow& report = table();
    const qsizetype handles = OpenHandles();
    dialogs().prepareSaveAnswer(path(chosen));
    Choose(report, entry);

    QCOMPARE(dialogs().takeSaveRequests().size(), 1);
    const auto messages = dialogs().takeMessages();
    QCOMPARE(messages.size(), 1);
    const QString fileName = path(chosen) + ".txt";
    QCOMPARE(messages[0].parent, &report);
    QCOMPARE(messages[0].title, QString("Sumwright"));
    const QString prompt =
        entry == "mnuSave" ? "Could not save \"%1\": %2" : "Could not append to \"%1\": %2";
    QCOMPARE(messages[0].prompt, prompt.arg(fileName, reason));
    QCOMPARE(messages[0].icon, MessageIcon::Warning);
    QCOMPARE(Entries(*dir_), QStringList{"file"});
    QCOMPARE(Contents(path("file")), QByteArray("old"));
    QCOMPARE(OpenHandles(), handles);
  }

 private:
  RecordingDialogs& dialogs() { return fixture().dialogs(); }
  QString path(const QString& name) const { return dir_->filePath(name); }
  // The worked example, or the one-line message for a principal of "0".
  FormWindow& table(const QString& principal = "10000") {
    return RequestTable(fixture(), principal, "7.5", "1");
  }

  std::unique_ptr<QTemporaryDir> dir_;
};

QTEST_MAIN(ReportFilesTest)
#include "report_files_test.moc"
