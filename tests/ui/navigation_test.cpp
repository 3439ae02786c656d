#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include "app_test_case.h"
#include "field_snapshot.h"
#include "ui/widgets/window_placement.h"

using namespace sw::ui;
using namespace sw::ui::test;

namespace {

const QStringList kLoanFields = {"txtA", "txtP", "txtI", "txtN", "txtMonths", "txtRemaining"};

QStringList VisibleWindows() {
  QStringList names;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible()) names << widget->objectName();
  }
  return names;
}

bool Exists(const QString& windowName) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == windowName) return true;
  }
  return false;
}

bool IsCentred(const QWidget& window) {
  const QPoint offset = window.frameGeometry().center() - window.screen()->geometry().center();
  return offset.manhattanLength() <= 1;
}

// Records the windows' shows and hides in the order they happen.
class ShowHideLog : public QObject {
 public:
  QStringList entries;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) entries << watched->objectName() + " shown";
    if (event->type() == QEvent::Hide) entries << watched->objectName() + " hidden";
    return false;
  }
};

}  // namespace

class NavigationTest : public AppTestCase {
  Q_OBJECT

 private slots:
  void startUpShowsOnlyTheEmptyLoanWindow() {
    FormWindow& loan = fixture().loan();
    QCOMPARE(VisibleWindows(), QStringList{"frmAPIN"});
    QVERIFY(!Exists("frmDrawDown"));
    QVERIFY(!Exists("frmPrintOutput"));
    QVERIFY(IsCentred(loan));
    QCOMPARE(loan.focusWidget(), loan.control("txtA"));
    for (const QString& text : Snapshot(loan, kLoanFields)) QVERIFY(text.isEmpty());
  }

  void switchingKeepsFieldsAndPositions() {
    FormWindow& loan = fixture().loan();
    Type(loan, "txtP", "100000");
    loan.move(10, 20);
    const QPoint loanPosition = loan.pos();

    FormWindow& drawDown = fixture().goToDrawDown();
    QCOMPARE(VisibleWindows(), QStringList{"frmDrawDown"});
    QVERIFY(IsCentred(drawDown));
    QCOMPARE(drawDown.focusWidget(), drawDown.control("txtStartBalance"));
    Type(drawDown, "txtStartBalance", "5000");
    drawDown.move(30, 40);
    const QPoint drawDownPosition = drawDown.pos();

    Choose(drawDown, "mnuGoToFC");
    QCOMPARE(VisibleWindows(), QStringList{"frmAPIN"});
    QCOMPARE(loan.pos(), loanPosition);
    QCOMPARE(loan.text("txtP"), QString("100000"));

    Choose(loan, "mnuGoToUDDC");
    QCOMPARE(VisibleWindows(), QStringList{"frmDrawDown"});
    QCOMPARE(drawDown.pos(), drawDownPosition);
    QCOMPARE(drawDown.text("txtStartBalance"), QString("5000"));
  }

  // Leaving the loan window hides it first; coming back shows it first.
  void switchingOrder() {
    FormWindow& loan = fixture().loan();
    FormWindow& drawDown = fixture().app().drawDownWindow();
    ShowHideLog log;
    loan.installEventFilter(&log);
    drawDown.installEventFilter(&log);

    Choose(loan, "mnuGoToUDDC");
    Choose(drawDown, "mnuGoToFC");

    QCOMPARE(log.entries, (QStringList{"frmAPIN hidden", "frmDrawDown shown", "frmAPIN shown",
                                       "frmDrawDown hidden"}));
  }

  void helpBoxes_data() {
    QTest::addColumn<bool>("inDrawDown");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("How To") << false << "mnuHowTo"
                            << "Using the Sumwright Calculator"
                            << "To use this calculator simply enter data into any three of the\r\n"
                               "fields and click on the <Calculate> button next to the field\r\n"
                               "you're interested in determining.";
    QTest::newRow("About, loan") << false << "mnuAbout"
                                 << "Using the Sumwright Calculator"
                                 << "Sumwright (Amortization) Calculator V2.3\r\n\r\n\r\n\r\n"
                                    "please visit https://sumwright.example.org";
    QTest::newRow("About, draw-down") << true << "mnuAbout"
                                      << "Using the Sumwright Calculator"
                                      << "Sumwright (Amortization) Calculator V2.2\r\n\r\n\r\n\r\n"
                                         "please send email to: support@sumwright.example.org";
    QTest::newRow("What Is This") << true << "mnuWhat"
                                  << "What is the Draw Down Calculator?"
                                  << "Use this tool to observe the remaining balance in an "
                                     "interest\r\n"
                                     "bearing account that has a fixed amount withdrawn each "
                                     "month,\r\n"
                                     "or to find out how long an initial amount in an interest\r\n"
                                     "bearing account will last if uniform withdrawals are "
                                     "taken out.";
  }

  void helpBoxes() {
    QFETCH(bool, inDrawDown);
    QFETCH(QString, entry);
    QFETCH(QString, title);
    QFETCH(QString, prompt);
    FormWindow& window = inDrawDown ? fixture().goToDrawDown() : fixture().loan();

    Choose(window, entry);

    const RecordedMessage help{&window, title, prompt, MessageIcon::Information};
    QCOMPARE(fixture().dialogs().takeMessages(), QList<RecordedMessage>{help});
  }

  // Switching calculators neither shows nor hides the report window.
  void reportWindowStaysOpenAcrossSwitches() {
    Choose(fixture().loan(), "mnuAmortTable");
    auto visible = [] {
      QStringList names = VisibleWindows();
      names.sort();
      return names;
    };
    QCOMPARE(visible(), (QStringList{"frmAPIN", "frmPrintOutput"}));
    Choose(fixture().goToDrawDown(), "mnuGoToFC");
    QCOMPARE(visible(), (QStringList{"frmAPIN", "frmPrintOutput"}));
    fixture().goToDrawDown();
    QCOMPARE(visible(), (QStringList{"frmDrawDown", "frmPrintOutput"}));
  }

  void enterAndEscStartNothing_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
  }

  void enterAndEscStartNothing() {
    QFETCH(int, key);
    FormWindow& loan = fixture().loan();
    Fill(loan, {"txtP=100000", "txtI=6", "txtN=30", "txtMonths=12"});
    const FieldSnapshot before = Snapshot(loan, kLoanFields);
    // A focused button answers Enter, but not Esc.
    for (QWidget* control : loan.clientArea()->findChildren<QWidget*>()) {
      const bool field = qobject_cast<QLineEdit*>(control) != nullptr;
      if (field || (control->focusPolicy() != Qt::NoFocus && key == Qt::Key_Escape)) {
        QTest::keyClick(control, Qt::Key(key));
      }
    }
    QCOMPARE(Snapshot(loan, kLoanFields), before);
    QCOMPARE(VisibleWindows(), QStringList{"frmAPIN"});
  }

  void centredPosition_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("fits") << QSize(800, 600) << QSize(400, 300) << QPoint(200, 150);
    QTest::newRow("odd difference") << QSize(801, 601) << QSize(400, 300) << QPoint(201, 151);
    QTest::newRow("larger than the screen")
        << QSize(800, 600) << QSize(1000, 700) << QPoint(-100, -50);
  }

  void centredPosition() {
    QFETCH(QSize, screen);
    QFETCH(QSize, window);
    QFETCH(QPoint, position);
    QCOMPARE(CentredPosition(screen, window), position);
  }
};

QTEST_MAIN(NavigationTest)
#include "navigation_test.moc"
