#include <QPlainTextEdit>
#include <QTest>
#include <string>

#include "ui/report_window/report_text.h"

using namespace sw::ui;

Q_DECLARE_METATYPE(std::string)

class ReportTextTest : public QObject {
  Q_OBJECT

 private slots:
  void everyLineBreakBecomesLineFeed_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<std::string>("report");
    QTest::newRow("empty") << "" << std::string();
    QTest::newRow("one line") << "abc" << std::string("abc");
    QTest::newRow("line feeds") << "a\nb\n" << std::string("a\nb\n");
    QTest::newRow("pairs become one") << "a\r\nb" << std::string("a\nb");
    QTest::newRow("lone carriage return") << "a\rb\r" << std::string("a\nb\n");
    QTest::newRow("line feed then carriage return") << "a\n\rb" << std::string("a\n\nb");
    QTest::newRow("unicode separators")
        << QString("a") + QChar::LineSeparator + "b" + QChar::ParagraphSeparator + "c"
        << std::string("a\nb\nc");
    QTest::newRow("other characters as UTF-8")
        << QString::fromUtf8("\"é\xC2\xA0€\"") << std::string("\"é\xC2\xA0€\"");
  }

  void everyLineBreakBecomesLineFeed() {
    QFETCH(QString, box);
    QFETCH(std::string, report);
    QCOMPARE(ToReportText(box), report);
  }

  void reportTextRoundTripsThroughTheBox() {
    const std::string report = "first \"line\"\n\n\xC2\xA0third\n";
    QPlainTextEdit box;
    SetReportText(box, ToBoxText(report));
    QCOMPARE(box.blockCount(), 4);
    QVERIFY(!box.toPlainText().contains('\r'));
    QCOMPARE(ReportText(box), report);
    QVERIFY(!box.document()->isUndoAvailable());
  }

  // Enter starts a new block, Shift+Enter a line inside one; both are line
  // breaks of the report.
  void typedLineBreaksAreLineFeeds() {
    QPlainTextEdit box;
    QTest::keyClicks(&box, "a");
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClicks(&box, "b");
    QTest::keyClick(&box, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(&box, "c");
    box.insertPlainText("\rd");
    QCOMPARE(ReportText(box), std::string("a\nb\nc\nd"));
  }
};

QTEST_MAIN(ReportTextTest)
#include "report_text_test.moc"
