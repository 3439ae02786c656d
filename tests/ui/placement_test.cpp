#include <QScreen>
#include <QTest>

#include "app_test_case.h"
#include "report_request.h"
#include "ui/window_placement.h"

using namespace sw::ui;
using namespace sw::ui::test;

namespace {

enum class Shown { Loan, DrawDown, Report };

LayoutWindow& Show(AppFixture& fixture, Shown window) {
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

// Where the outer frame belongs on the screen, by the window's own rule.
QPoint Designed(const QWidget& window, bool atLeftEdge) {
  const QRect screen = window.screen()->geometry();
  const QSize frame = window.frameGeometry().size();
  return screen.topLeft() +
         (atLeftEdge ? LeftEdgePosition(screen.size(), frame) : CentredPosition(screen.size(), frame));
}

// Under a window manager the frame arrives a little after the window shows.
void WaitForFrame(QWidget& window) {
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QTest::qWait(200);
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
    LayoutWindow& window = Show(fixture(), shown);
    WaitForFrame(window);
    const QPoint offset = window.frameGeometry().topLeft() - Designed(window, atLeftEdge);
    QVERIFY2(offset.manhattanLength() <= 1,
             qPrintable(QStringLiteral("frame %1 px right, %2 px down of its place")
                            .arg(offset.x())
                            .arg(offset.y())));
  }

  // Placed once per load: a window that the user moved stays there, also
  // when it is hidden and shown again.
  void userMoveStands_data() { placedByOuterFrame_data(); }

  void userMoveStands() {
    QFETCH(Shown, shown);
    LayoutWindow& window = Show(fixture(), shown);
    WaitForFrame(window);
    const QPoint moved(40, 30);
    window.move(moved);
    // A window manager carries the move out after the request returns.
    QTest::qWait(500);
    QCOMPARE(window.frameGeometry().topLeft(), moved);

    Choose(fixture().loan(), "mnuGoToUDDC");
    Choose(fixture().app().drawDownWindow(), "mnuGoToFC");
    if (shown == Shown::DrawDown) Choose(fixture().loan(), "mnuGoToUDDC");
    if (shown == Shown::Report) Choose(fixture().loan(), "mnuAmortTable");
    WaitForFrame(window);

    QCOMPARE(window.frameGeometry().topLeft(), moved);
  }
};

QTEST_MAIN(PlacementTest)
#include "placement_test.moc"
