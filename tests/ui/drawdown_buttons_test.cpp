#include <QTest>

#include "app_test_case.h"
#include "calculations/messages.h"
#include "field_snapshot.h"

using namespace sw::ui;
using namespace sw::ui::test;

namespace {

const QStringList kDrawDownFields = {"txtStartBalance", "txtInterest", "txtA",
                                     "txtHowLong",      "txtN",        "txtRemaining"};

QString Message(std::string_view text) { return QString::fromUtf8(text.data(), text.size()); }

}  // namespace

class DrawDownButtonsTest : public AppTestCase {
  Q_OBJECT

 private slots:
  void writesOnlyItsResultField_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected");

    const QStringList start = {"txtStartBalance=10000", "txtInterest=6"};
    QTest::newRow("how long") << "cmdHowLong" << (start + QStringList{"txtA=500"})
                              << "txtHowLong" << "21 months";
    QTest::newRow("how long, interest covers it")
        << "cmdHowLong" << (start + QStringList{"txtA=49"}) << "txtHowLong" << "forever";
    QTest::newRow("how long ignores months")
        << "cmdHowLong" << (start + QStringList{"txtA=50", "txtN=abc"}) << "txtHowLong"
        << "6301 months";
    QTest::newRow("how much") << "cmdHowMuch" << (start + QStringList{"txtA=100", "txtN=12"})
                              << "txtRemaining" << "$9,383.22";
    QTest::newRow("how much, overdrawn")
        << "cmdHowMuch"
        << QStringList{"txtStartBalance=1000", "txtInterest=12", "txtA=100", "txtN=24"}
        << "txtRemaining" << "$-1,427.61";
  }

  void writesOnlyItsResultField() {
    QFETCH(QString, button);
    QFETCH(QStringList, fields);
    QFETCH(QString, result);
    QFETCH(QString, expected);
    auto [before, after] = PressOverOldResult(fixture().goToDrawDown(), kDrawDownFields, button, fields, result);
    before[result] = expected;
    QCOMPARE(after, before);
  }

  void failureShowsMessageAndChangesNothing_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("message");

    const QString howLong = Message(sw::drawdown_message::kHowLong);
    const QString howMuch = Message(sw::drawdown_message::kHowMuch);
    QTest::newRow("how long, all empty") << "cmdHowLong" << QStringList{} << "txtHowLong"
                                         << howLong;
    QTest::newRow("how long, beyond 32767 months")
        << "cmdHowLong" << QStringList{"txtStartBalance=32768", "txtInterest=0", "txtA=1"}
        << "txtHowLong" << howLong;
    QTest::newRow("how much, all empty") << "cmdHowMuch" << QStringList{} << "txtRemaining"
                                         << howMuch;
    QTest::newRow("how much, zero rate")
        << "cmdHowMuch"
        << QStringList{"txtStartBalance=10000", "txtInterest=0", "txtA=100", "txtN=12"}
        << "txtRemaining" << howMuch;
    QTest::newRow("how much, months out of range")
        << "cmdHowMuch"
        << QStringList{"txtStartBalance=10000", "txtInterest=6", "txtA=100", "txtN=32768"}
        << "txtRemaining" << howMuch;
  }

  void failureShowsMessageAndChangesNothing() {
    QFETCH(QString, button);
    QFETCH(QStringList, fields);
    QFETCH(QString, result);
    QFETCH(QString, message);
    FormWindow& window = fixture().goToDrawDown();
    const auto [before, after] = PressOverOldResult(window, kDrawDownFields, button, fields, result);
    QCOMPARE(after, before);
    QCOMPARE(fixture().dialogs().takeMessages(),
             QList<RecordedMessage>{CalculationFailure(&window, message)});
  }

  // The loan window's fields of the same names are separate controls.
  void fieldsAreSeparateFromTheLoanWindow() {
    Fill(fixture().loan(), {"txtA=599.55", "txtN=30"});
    FormWindow& window = fixture().goToDrawDown();
    Fill(window, {"txtStartBalance=10000", "txtInterest=6", "txtA=500", "txtN=12"});
    Click(window, "cmdHowMuch");
    QCOMPARE(window.text("txtA"), QString("500"));
    QCOMPARE(fixture().loan().text("txtA"), QString("599.55"));
    QCOMPARE(fixture().loan().text("txtN"), QString("30"));
    QCOMPARE(fixture().loan().text("txtRemaining"), QString());
  }

};

QTEST_MAIN(DrawDownButtonsTest)
#include "drawdown_buttons_test.moc"
