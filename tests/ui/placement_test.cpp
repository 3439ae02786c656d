#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "app_test_case.h"
#include "report_request.h"

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

// Where each window's frame belongs on the screens the tests run on: the
// headless platform's 800 x 800, where the frame is a thin border, and
// with_window_manager.sh's 1280 x 1024, framed by openbox or, for Windows'
// own windows, by Wine with a caption and no side borders. Calculators are
// centred, the report stands one pixel from the left edge.
QRect ExpectedFrame(Shown window, const QSize& screen) {
  if (QGuiApplication::platformName() == "windows") {
    switch (window) {
      case Shown::DrawDown:
        return {430, 346, 420, 333};
      case Shown::Report:
        return {1, 315, 282, 394};
      case Shown::Loan:
        break;
    }
    return {417, 375, 446, 274};
  }
  const bool headless = screen == QSize(800, 800);
  switch (window) {
    case Shown::DrawDown:
      return headless ? QRect(188, 243, 424, 314) : QRect(429, 347, 422, 331);
    case Shown::Report:
      return headless ? QRect(1, 213, 286, 375) : QRect(1, 314, 284, 396);
    case Shown::Loan:
      break;
  }
  return headless ? QRect(175, 273, 450, 255) : QRect(416, 376, 448, 272);
}

// How far the outer frame stands from where it belongs.
QPoint Misplacement(const QWidget& window, Shown shown) {
  const QRect screen = window.screen()->geometry();
  return Frame(window).topLeft() - screen.topLeft() - ExpectedFrame(shown, screen.size()).topLeft();
}

QString Describe(QPoint offset) {
  return QStringLiteral("frame %1 px right, %2 px down of its place")
      .arg(offset.x())
      .arg(offset.y());
}

constexpr int kSettleMs = 10000;

// Waits until the frame stands at its place, then checks that it stays.
void ExpectPlaced(const QWidget& window, Shown shown) {
  const QSize screen = window.screen()->size();
  QVERIFY2(screen == QSize(800, 800) || screen == QSize(1280, 1024),
           "no expected frames for this screen size");
  QTRY_VERIFY2_WITH_TIMEOUT(Misplacement(window, shown).manhattanLength() <= 1,
                            qPrintable(Describe(Misplacement(window, shown))), kSettleMs);
  QTest::qWait(300);
  QVERIFY2(Misplacement(window, shown).manhattanLength() <= 1,
           qPrintable(Describe(Misplacement(window, shown))));
  QCOMPARE(Frame(window).size(), ExpectedFrame(shown, screen).size());
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
    QTest::newRow("loan window, centred") << Shown::Loan;
    QTest::newRow("draw-down window, centred") << Shown::DrawDown;
    QTest::newRow("report window, left edge") << Shown::Report;
  }

  void placedByOuterFrame() {
    QFETCH(Shown, shown);
    ExpectPlaced(Show(fixture(), shown), shown);
  }

  // Placed once per load: a window that the user moved stays there, also
  // when it is hidden and shown again.
  void userMoveStands_data() { placedByOuterFrame_data(); }

  void userMoveStands() {
    QFETCH(Shown, shown);
    FormWindow& window = Show(fixture(), shown);
    ExpectPlaced(window, shown);
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
