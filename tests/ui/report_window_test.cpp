#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>

#include "app_test_case.h"
#include "report_request.h"
#include "ui/report_window/report_text.h"
#include "ui/report_window/report_window.h"
#include "ui/widgets/window_placement.h"

using namespace sw::ui;
using namespace sw::ui::test;

namespace {

// One pixel from the left edge, centred vertically: on the headless
// platform's 800 x 800 screen in a frame two pixels wide, as a Windows
// window on a 1280 x 1024 screen under a caption that Wine draws.
bool StandsAtLeftEdge(const QWidget& window) {
  if (QGuiApplication::platformName() == "windows") {
    return window.screen()->size() == QSize(1280, 1024) &&
           window.frameGeometry() == QRect(1, 315, 282, 394);
  }
  return window.screen()->size() == QSize(800, 800) &&
         window.frameGeometry() == QRect(1, 213, 286, 375);
}

bool BoxFillsClientArea(FormWindow& report) {
  return ReportTextBox(report).geometry() == report.clientArea()->rect();
}

}  // namespace

class ReportWindowTest : public AppTestCase {
  Q_OBJECT

 private slots:
  void leftEdgePosition_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<int>("dpi");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("fits") << QSize(800, 600) << QSize(300, 400) << 96 << QPoint(1, 100);
    QTest::newRow("odd difference") << QSize(800, 601) << QSize(300, 400) << 96 << QPoint(1, 101);
    QTest::newRow("taller than the screen")
        << QSize(800, 600) << QSize(300, 700) << 96 << QPoint(1, -50);
    // Ten twips are 2 pixels from 216 dots per inch on.
    QTest::newRow("192 dpi") << QSize(800, 600) << QSize(300, 400) << 192 << QPoint(1, 100);
    QTest::newRow("288 dpi") << QSize(800, 600) << QSize(300, 400) << 288 << QPoint(2, 100);
  }

  void leftEdgePosition() {
    QFETCH(QSize, screen);
    QFETCH(QSize, window);
    QFETCH(int, dpi);
    QFETCH(QPoint, position);
    QCOMPARE(LeftEdgePosition(screen, window, dpi), position);
  }

  // The text box covers the client area as soon as the window exists.
  void builtWindowIsFittedBeforeItIsShown() {
    FormWindow& report = fixture().app().reportWindow();
    QVERIFY(!report.isVisible());
    QCOMPARE(report.clientArea()->size(), QSize(282, 352));
    QVERIFY(BoxFillsClientArea(report));
  }

  void firstRequestPlacesAndShowsTheWindow() {
    FormWindow& report = RequestTable(fixture(), "10000", "7.5", "1");
    QVERIFY(report.isVisible());
    QCOMPARE(report.windowTitle(), QString("Amortization Table"));
    QVERIFY(StandsAtLeftEdge(report));
    QVERIFY(BoxFillsClientArea(report));
    QCOMPARE(report.focusWidget(), &ReportTextBox(report));
  }

  void boxFollowsEverySize_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("larger") << QSize(900, 700);
    QTest::newRow("smaller") << QSize(120, 90);
    QTest::newRow("wide and flat") << QSize(1200, 60);
  }

  void boxFollowsEverySize() {
    QFETCH(QSize, size);
    FormWindow& report = RequestTable(fixture(), "10000", "7.5", "1");
    report.resize(size);
    QTRY_VERIFY(BoxFillsClientArea(report));
    QCOMPARE(report.clientArea()->width(), report.width());
  }

  void boxFollowsMaximizeAndRestore() {
    FormWindow& report = RequestTable(fixture(), "10000", "7.5", "1");
    const QSize designed = report.size();
    report.showMaximized();
    QTRY_VERIFY(report.width() > designed.width());
    QTRY_VERIFY(BoxFillsClientArea(report));
    report.showNormal();
    QTRY_COMPARE(report.size(), designed);
    QTRY_VERIFY(BoxFillsClientArea(report));
  }

  // A later request keeps what the user did with the window, and nothing
  // enables Print again.
  void laterRequestKeepsPlaceAndSize() {
    FormWindow& report = RequestTable(fixture(), "10000", "7.5", "1");
    report.move(200, 150);
    report.resize(500, 400);
    report.setWindowTitle("something else");
    report.menuEntry("mnuPrint")->setEnabled(true);
    const QRect before = report.frameGeometry();

    Choose(fixture().loan(), "mnuAmortTable");

    QCOMPARE(&fixture().app().reportWindow(), &report);
    QCOMPARE(report.frameGeometry(), before);
    QCOMPARE(report.windowTitle(), QString("Amortization Table"));
    QVERIFY(!report.menuEntry("mnuPrint")->isEnabled());
    QVERIFY(BoxFillsClientArea(report));
  }

  void printIsShownAndDisabled() {
    FormWindow& report = RequestTable(fixture(), "", "", "");
    QAction* print = report.menuEntry("mnuPrint");
    QVERIFY(print->isVisible());
    QVERIFY(!print->isEnabled());
    QCOMPARE(print->text(), QString("&Print"));
    QVERIFY(report.findChild<QMenu*>("mnuFile")->actions().contains(print));
  }

  // Closing unloads the window, edits discarded: the next request builds it
  // afresh, placed again and holding only the new report.
  void closedWindowComesBackPlacedAndEmpty() {
    FormWindow& first = RequestTable(fixture(), "10000", "7.5", "1");
    first.move(300, 300);
    first.resize(600, 500);
    ReportTextBox(first).appendPlainText("typed by the user");
    fixture().dialogs().prepareSaveChangesAnswer(UnsavedChanges::Discard);
    first.close();
    QCOMPARE(fixture().dialogs().takeSaveChangesQuestions().size(), 1);
    QCOMPARE(fixture().app().loadedReportWindow(), nullptr);

    FormWindow& fresh = fixture().app().reportWindow();
    QVERIFY(ReportTextBox(fresh).toPlainText().isEmpty());
    Type(fixture().loan(), "txtP", "0");
    Choose(fixture().loan(), "mnuAmortTable");
    QCOMPARE(ReportText(ReportTextBox(fresh)),
             std::string("Please fill in the Principal of the loan"));
    QCOMPARE(fresh.clientArea()->size(), QSize(282, 352));
    QVERIFY(StandsAtLeftEdge(fresh));
    QVERIFY(BoxFillsClientArea(fresh));
  }
};

QTEST_MAIN(ReportWindowTest)
#include "report_window_test.moc"
