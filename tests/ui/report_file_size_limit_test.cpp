// Linux's file-size limit (ulimit -f) makes a write fail midway, as a full
// disk does.
#include <sys/resource.h>

#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "app_test_case.h"
#include "report_file_checks.h"
#include "report_request.h"
#include "worked_example.h"

using namespace sw::ui;
using namespace sw::ui::test;

namespace {

// Caps the size of any file this process writes; over the cap a write
// fails with EFBIG instead of raising SIGXFSZ. Restores both on leaving.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &savedAction_);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    sigaction(SIGXFSZ, &savedAction_, nullptr);
  }

 private:
  rlimit saved_{};
  struct sigaction savedAction_ {};
};

}  // namespace

class ReportFileSizeLimitTest : public AppTestCase {
  Q_OBJECT

 private slots:
  void cutShortKeepsTheOldBytes_data() {
    QTest::addColumn<QString>("entry");
    QTest::newRow("save") << "mnuSave";
    QTest::newRow("append") << "mnuAppend";
  }

  // A write that the limit cuts off midway leaves the file whole.
  void cutShortKeepsTheOldBytes() {
    QFETCH(QString, entry);
    QTemporaryDir dir;
    const QString path = dir.filePath("report.txt");
    const QByteArray old = Record("an earlier report");
    QVERIFY(WriteBytes(path, old));
    FormWindow& report = RequestTable(fixture(), "10000", "7.5", "1");
    RecordingDialogs& dialogs = fixture().dialogs();
    const qsizetype handles = OpenHandles();
    dialogs.prepareSaveAnswer(path);
    if (entry == "mnuSave") dialogs.prepareReplaceAnswer(true);
    {
      const FileSizeLimit limit(100);
      Choose(report, entry);
    }
    QCOMPARE(dialogs.takeSaveRequests().size(), 1);
    QCOMPARE(dialogs.takeReplaceQuestions().size(), entry == "mnuSave" ? 1 : 0);
    const auto messages = dialogs.takeMessages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].prompt.endsWith("File too large"), qPrintable(messages[0].prompt));
    QCOMPARE(Contents(path), old);
    QCOMPARE(Entries(dir), QStringList{"report.txt"});
    QCOMPARE(OpenHandles(), handles);

    Choose(report, entry);
    const QByteArray written = Record(QByteArray::fromStdString(sw::test::kWorkedExampleReport));
    QCOMPARE(Contents(path), entry == "mnuSave" ? written : old + written);
  }
};

QTEST_MAIN(ReportFileSizeLimitTest)
#include "report_file_size_limit_test.moc"
