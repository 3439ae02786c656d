#include <QScreen>
#include <QTest>

#include "app_test_case.h"
#include "report_request.h"
#include "ui/window_placement.h"

using namespace sw::ui;
using namespace sw::ui::test;

namespace {

enum class Shown { Loan, DrawDown, Report };

FormWindow& Show(AppFixture& fixture, Shown window) {
  switch (window) {
    case Shown::DrawDown:
      return fixture.goToDrawDown();
    case Shown::Report:
      return RequestTable(fixture, "10000", "7.5", "1");
    case Shown::Loan:
      break;
  }
  return fixture.loan();
}

// The frame as the window system last reported it: under a window manager
// it arrives a while after the window shows, and the widget's copy can lag.
QRect Frame(const QWidget& window) { return window.windowHandle()->frameGeometry(); }

// How far the outer frame stands from where the window's own rule puts it.
QPoint Misplacement(const QWidget& window, bool atLeftEdge) {
  const QRect screen = window.screen()->geometry();
  const QSize frame = Frame(window).size();
  const QPoint designed =
      screen.topLeft() +
      (atLeftEdge ? LeftEdgePosition(screen.size(), frame, window.logicalDpiY())
                  : CentredPosition(screen.size(), frame));
  return Frame(window).topLeft() - designed;
}

QString Describe(QPoint offset) {
  return QStringLiteral("frame %1 px right, %2 px down of its place").arg(offset.x()).arg(offset.y());
}

constexpr int kSettleMs = 10000;

// Waits until the frame stands at its place, then checks that it stays.
void ExpectPlaced(const QWidget& window, bool atLeftEdge) {
  QTRY_VERIFY2_WITH_TIMEOUT(Misplacement(window, atLeftEdge).manhattanLength() <= 1,
                            qPrintable(Describe(Misplacement(window, atLeftEdge))), kSettleMs);
  QTest::qWait(300);
  QVERIFY2(Misplacement(window, atLeftEdge).manhattanLength() <= 1,
           qPrintable(Describe(Misplacement(window, atLeftEdge))));
}

void ExpectFrameAt(const QWidget& window, QPoint corner) {
  QTRY_COMPARE_WITH_TIMEOUT(Frame(window).topLeft(), corner, kSettleMs);
  QTest::qWait(300);
  QCOMPARE(Frame(window).topLeft(), corner);
}

}  // namespace

Q_DECLARE_METATYPE(Shown)

class PlacementTest : public AppTestCase {
  Q_OBJECT

 private slots:
  void placedByOuterFrame_data() {
    QTest::addColumn<Shown>("shown");
    QTest::addColumn<bool>("atLeftEdge");
    QTest::newRow("loan window, centred") << Shown::Loan << false;
    QTest::newRow("draw-down window, centred") << Shown::DrawDown << false;
    QTest::newRow("report window, left edge") << Shown::Report << true;
  }

  void placedByOuterFrame() {
    QFETCH(Shown, shown);
    QFETCH(bool, atLeftEdge);
    ExpectPlaced(Show(fixture(), shown), atLeftEdge);
  }

  // Placed once per load: a window that the user moved stays there, also
  // when it is hidden and shown again.
  void userMoveStands_data() { placedByOuterFrame_data(); }

  void userMoveStands() {
    QFETCH(Shown, shown);
    QFETCH(bool, atLeftEdge);
    FormWindow& window = Show(fixture(), shown);
    ExpectPlaced(window, atLeftEdge);
    // Where a user drags a window, its window manager moves the frame.
    const QPoint moved(40, 30);
    window.windowHandle()->setFramePosition(moved);
    ExpectFrameAt(window, moved);

    Choose(fixture().loan(), "mnuGoToUDDC");
    Choose(fixture().app().drawDownWindow(), "mnuGoToFC");
    if (shown == Shown::DrawDown) Choose(fixture().loan(), "mnuGoToUDDC");
    if (shown == Shown::Report) Choose(fixture().loan(), "mnuAmortTable");

    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ExpectFrameAt(window, moved);
  }
};

QTEST_MAIN(PlacementTest)
#include "placement_test.moc"
