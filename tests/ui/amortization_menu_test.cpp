#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <string>

#include "app_test_case.h"
#include "calculations/loan_fields.h"
#include "report_request.h"
#include "ui/report_window/report_text.h"
#include "ui/report_window/report_window.h"
#include "worked_example.h"

using namespace sw::ui;
using namespace sw::ui::test;

namespace {

std::string BoxReport(FormWindow& report) { return ReportText(ReportTextBox(report)); }

}  // namespace

class AmortizationMenuTest : public AppTestCase {
  Q_OBJECT

 private slots:
  // One line of the box per line of the report, with no carriage return
  // left over to show as a stray character.
  void workedExampleFillsTheBox() {
    FormWindow& report = RequestTable(fixture(), "10000", "7.5", "1");
    const QPlainTextEdit& box = ReportTextBox(report);
    QCOMPARE(BoxReport(report), sw::test::kWorkedExampleReport);
    QCOMPARE(box.blockCount(), 16);
    QVERIFY(!box.toPlainText().contains('\r'));
    QCOMPARE(box.document()->findBlockByNumber(14).text(), QString("012  05.39  862.19  0.00"));
    QVERIFY(box.document()->findBlockByNumber(15).text().isEmpty());
  }

  void failuresReplaceTheText_data() {
    QTest::addColumn<QString>("principal");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("years");
    QTest::addColumn<QString>("message");
    const QString general = "Please fill in the Principal, Interest, and Years of the loan";
    QTest::newRow("no principal") << "-5000"
                                  << "6"
                                  << "30"
                                  << "Please fill in the Principal of the loan";
    QTest::newRow("negative rate") << "10000"
                                   << "-1"
                                   << "30"
                                   << "Please fill in the interest for the loan";
    QTest::newRow("years round to zero")
        << "10000"
        << "6"
        << "0.4"
        << "Please fill in the number of years to spread payments across";
    QTest::newRow("empty field") << "10000"
                                 << "6"
                                 << "" << general;
    QTest::newRow("zero principal, empty years") << "0"
                                                 << "6"
                                                 << "" << general;
    QTest::newRow("zero rate") << "10000"
                               << "0"
                               << "30" << general;
    QTest::newRow("too many years") << "10000"
                                    << "0.01"
                                    << "2731" << general;
    QTest::newRow("overflow") << "10000"
                              << "100"
                              << "2730" << general;
  }

  // The window is titled and shown all the same; txtA is left alone.
  void failuresReplaceTheText() {
    QFETCH(QString, principal);
    QFETCH(QString, rate);
    QFETCH(QString, years);
    QFETCH(QString, message);
    Type(fixture().loan(), "txtA", "typed payment");
    FormWindow& earlier = RequestTable(fixture(), "10000", "7.5", "1");
    ReportTextBox(earlier).appendPlainText("edited");

    FormWindow& report = RequestTable(fixture(), principal, rate, years);

    QVERIFY(report.isVisible());
    QCOMPARE(report.windowTitle(), QString("Amortization Table"));
    QVERIFY(!report.menuEntry("mnuPrint")->isEnabled());
    QCOMPARE(BoxReport(report), message.toStdString());
    QCOMPARE(ReportTextBox(report).blockCount(), 1);
    QCOMPARE(fixture().loan().text("txtA"), QString("typed payment"));
  }

  void secondRequestGivesOneTable() {
    RequestTable(fixture(), "100000", "6", "30");
    Choose(fixture().loan(), "mnuAmortTable");
    FormWindow& report = fixture().app().reportWindow();
    QCOMPARE(BoxReport(report), sw::AmortizationReport("100000", "6", "30"));
    QCOMPARE(ReportTextBox(report).blockCount(), 3 + 360 + 1);
  }

  // The whole of the largest table stays in the box.
  void largestTableIsKeptWhole() {
    FormWindow& report = RequestTable(fixture(), "100000", "0.01", "2730");
    QCOMPARE(ReportTextBox(report).blockCount(), 3 + 32760 + 1);
    QCOMPARE(BoxReport(report), sw::AmortizationReport("100000", "0.01", "2730"));
  }
};

QTEST_MAIN(AmortizationMenuTest)
#include "amortization_menu_test.moc"
