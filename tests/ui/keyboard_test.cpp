#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

#include "app_test_case.h"
#include "field_snapshot.h"
#include "report_request.h"
#include "ui/report_window/report_window.h"

using namespace sw::ui;
using namespace sw::ui::test;

namespace {

const QStringList kLoanFields = {"txtA", "txtP", "txtI", "txtN", "txtMonths", "txtRemaining"};
const QStringList kDrawDownFields = {"txtStartBalance", "txtInterest", "txtA",
                                     "txtHowLong",      "txtN",        "txtRemaining"};

// Keys go where the application's keyboard focus is, as a user's typing does.
void TypeAtFocus(const QString& text) {
  QWidget* target = QApplication::focusWidget();
  QVERIFY2(target != nullptr, "no widget has the keyboard focus");
  QTest::keyClicks(target, text);
}

void PressAtFocus(Qt::Key key) {
  QWidget* target = QApplication::focusWidget();
  QVERIFY2(target != nullptr, "no widget has the keyboard focus");
  QTest::keyClick(target, key);
}

void WaitUntilActive(QWidget& window) { QVERIFY(QTest::qWaitForWindowActive(&window)); }

// Opens the entry's menu from the menu bar and clicks the entry, with the mouse.
void ChooseWithMouse(FormWindow& window, const QString& entry) {
  QAction* action = window.menuEntry(entry);
  auto* menu = qobject_cast<QMenu*>(action->associatedObjects().value(0));
  QVERIFY(menu != nullptr);
  auto* bar = window.findChild<QMenuBar*>();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
  QVERIFY(QTest::qWaitForWindowExposed(menu));
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}

}  // namespace

class KeyboardTest : public AppTestCase {
  Q_OBJECT

 private slots:
  // clicked: the field the user clicks before typing, or none to type where
  // the window starts.
  void typingAfterWindowSwitchesLandsInTheFocusedField_data() {
    QTest::addColumn<bool>("inDrawDown");
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<int>("roundTrips");
    QTest::addColumn<QString>("expectedField");
    QTest::newRow("loan, first showing") << false << "" << 0 << "txtA";
    QTest::newRow("loan, start field, one trip") << false << "" << 1 << "txtA";
    QTest::newRow("loan, principal, one trip") << false << "txtP" << 1 << "txtP";
    QTest::newRow("loan, principal, three trips") << false << "txtP" << 3 << "txtP";
    QTest::newRow("loan, payments made, two trips") << false << "txtMonths" << 2 << "txtMonths";
    QTest::newRow("draw-down, first showing") << true << "" << 0 << "txtStartBalance";
    QTest::newRow("draw-down, start field, two trips") << true << "" << 2 << "txtStartBalance";
    QTest::newRow("draw-down, interest, one trip") << true << "txtInterest" << 1 << "txtInterest";
    QTest::newRow("draw-down, months, three trips") << true << "txtN" << 3 << "txtN";
  }

  void typingAfterWindowSwitchesLandsInTheFocusedField() {
    QFETCH(bool, inDrawDown);
    QFETCH(QString, clicked);
    QFETCH(int, roundTrips);
    QFETCH(QString, expectedField);
    FormWindow& loan = fixture().loan();
    FormWindow& drawDown = fixture().app().drawDownWindow();
    FormWindow& window = inDrawDown ? fixture().goToDrawDown() : loan;
    const QStringList& fields = inDrawDown ? kDrawDownFields : kLoanFields;
    WaitUntilActive(window);
    if (!clicked.isEmpty()) QTest::mouseClick(window.control(clicked), Qt::LeftButton);
    TypeAtFocus("1");

    for (int trip = 0; trip < roundTrips; ++trip) {
      if (inDrawDown) {
        ChooseWithMouse(drawDown, "mnuGoToFC");
        WaitUntilActive(loan);
        ChooseWithMouse(loan, "mnuGoToUDDC");
      } else {
        ChooseWithMouse(loan, "mnuGoToUDDC");
        WaitUntilActive(drawDown);
        ChooseWithMouse(drawDown, "mnuGoToFC");
      }
      WaitUntilActive(window);
    }
    TypeAtFocus("2");

    FieldSnapshot expected = Snapshot(window, fields);
    for (QString& text : expected) text.clear();
    expected[expectedField] = "12";
    QCOMPARE(Snapshot(window, fields), expected);
  }

  // The user tabs from the field before the button to the button.
  void enterOnAFocusedButtonPressesIt_data() {
    QTest::addColumn<bool>("inDrawDown");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("fieldBefore");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("resultField");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("key");
    const QStringList loan = {"txtP=100000", "txtI=6", "txtN=30"};
    const QStringList drawDown = {"txtStartBalance=10000", "txtInterest=6", "txtA=500"};
    QTest::newRow("payment, Return") << false << loan << "txtA"
                                     << "cmdApin"
                                     << "txtA"
                                     << "599.55" << int(Qt::Key_Return);
    QTest::newRow("payment, keypad Enter") << false << loan << "txtA"
                                           << "cmdApin"
                                           << "txtA"
                                           << "599.55" << int(Qt::Key_Enter);
    QTest::newRow("how long, Return") << true << drawDown << "txtA"
                                      << "cmdHowLong"
                                      << "txtHowLong"
                                      << "21 months" << int(Qt::Key_Return);
  }

  void enterOnAFocusedButtonPressesIt() {
    QFETCH(bool, inDrawDown);
    QFETCH(QStringList, entries);
    QFETCH(QString, fieldBefore);
    QFETCH(QString, button);
    QFETCH(QString, resultField);
    QFETCH(QString, result);
    QFETCH(int, key);
    FormWindow& window = inDrawDown ? fixture().goToDrawDown() : fixture().loan();
    WaitUntilActive(window);
    Fill(window, entries);
    QTest::mouseClick(window.control(fieldBefore), Qt::LeftButton);
    PressAtFocus(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window.control(button));

    PressAtFocus(Qt::Key(key));

    QCOMPARE(window.text(resultField), result);
  }

  void tabInTheReportMovesFocusWithoutTyping_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Tab") << int(Qt::Key_Tab);
    QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab);
  }

  void tabInTheReportMovesFocusWithoutTyping() {
    QFETCH(int, key);
    FormWindow& report = RequestTable(fixture(), "10000", "7.5", "1");
    WaitUntilActive(report);
    const QString before = report.text("txtText");

    PressAtFocus(Qt::Key(key));
    TypeAtFocus("x");

    QCOMPARE(QApplication::focusWidget(), &ReportTextBox(report));
    QCOMPARE(report.text("txtText"), "x" + before);
  }

  void altKeysTypeNothing_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("selected");
    QTest::newRow("single-line, cursor at the end") << "txtP" << false;
    QTest::newRow("single-line, result selected") << "txtA" << true;
    QTest::newRow("multi-line report") << "txtText" << false;
    QTest::newRow("multi-line report, all selected") << "txtText" << true;
  }

  // An Alt key that is no access key leaves the text alone, selected or not;
  // the report's own access key still opens its File menu.
  void altKeysTypeNothing() {
    QFETCH(QString, box);
    QFETCH(bool, selected);
    const bool inReport = box == "txtText";
    FormWindow& window = inReport ? RequestTable(fixture(), "10000", "7.5", "1") : fixture().loan();
    if (!inReport) {
      Type(window, "txtP", "100000");
      Type(window, "txtI", "6");
      Type(window, "txtN", "30");
      Click(window, "cmdApin");
      QCOMPARE(window.text("txtA"), QString("599.55"));
    }
    WaitUntilActive(window);
    QWidget* target = window.control(box);
    target->setFocus();
    if (selected) QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    const QString before = window.text(box);

    for (const Qt::Key key : {Qt::Key_T, Qt::Key_H, Qt::Key_Z, Qt::Key_Q, Qt::Key_1}) {
      QTest::keyClick(target, key, Qt::AltModifier);
    }
    QCOMPARE(window.text(box), before);
    QCOMPARE(QApplication::focusWidget(), target);

    if (!inReport) return;
    QTest::keyClick(target, Qt::Key_F, Qt::AltModifier);
    auto* file = window.findChild<QMenu*>("mnuFile");
    QTRY_VERIFY(file->isVisible());
    QTest::keyClick(file, Qt::Key_Escape);
    QTRY_VERIFY(!file->isVisible());
    QCOMPARE(window.text(box), before);
  }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
