#include <QTest>

#include "app_test_case.h"
#include "calculations/messages.h"
#include "field_snapshot.h"

using namespace sw::ui;
using namespace sw::ui::test;

namespace {

enum class Calculator { Loan, DrawDown };

// Every text box of the window, watched for changes.
const QStringList& Fields(Calculator window) {
  static const QStringList loan = {"txtA", "txtP", "txtI", "txtN", "txtMonths", "txtRemaining"};
  static const QStringList drawDown = {"txtStartBalance", "txtInterest", "txtA",
                                       "txtHowLong",      "txtN",        "txtRemaining"};
  return window == Calculator::Loan ? loan : drawDown;
}

QString Message(std::string_view text) { return QString::fromUtf8(text.data(), text.size()); }

}  // namespace

Q_DECLARE_METATYPE(Calculator)

class CalculateButtonsTest : public AppTestCase {
  Q_OBJECT

  FormWindow& show(Calculator window) {
    return window == Calculator::Loan ? fixture().loan() : fixture().goToDrawDown();
  }

 private slots:
  void writesOnlyItsResultField_data() {
    QTest::addColumn<Calculator>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected");

    QTest::newRow("payment") << Calculator::Loan << "cmdApin"
                             << QStringList{"txtP=100000", "txtI=6", "txtN=30"} << "txtA"
                             << "599.55";
    QTest::newRow("payment, grouped principal")
        << Calculator::Loan << "cmdApin" << QStringList{"txtP=1,000,000", "txtI=6", "txtN=30"}
        << "txtA"
        << "5,995.51";
    QTest::newRow("principal") << Calculator::Loan << "cmdPain"
                               << QStringList{"txtA=599.55", "txtI=6", "txtN=30"} << "txtP"
                               << "99,999.91";
    QTest::newRow("principal, no months")
        << Calculator::Loan << "cmdPain" << QStringList{"txtA=599.55", "txtI=6", "txtN=0"} << "txtP"
        << "0.00";
    QTest::newRow("term") << Calculator::Loan << "cmdNaip"
                          << QStringList{"txtP=100000", "txtA=599.55", "txtI=6"} << "txtN"
                          << "30.00";
    QTest::newRow("term, never repaid")
        << Calculator::Loan << "cmdNaip" << QStringList{"txtP=100000", "txtA=500", "txtI=6"}
        << "txtN"
        << "Infinite";
    QTest::newRow("rate") << Calculator::Loan << "cmdIpan"
                          << QStringList{"txtP=100000", "txtA=599.55", "txtN=30"} << "txtI"
                          << "6.000";
    QTest::newRow("remaining") << Calculator::Loan << "cmdRemaining"
                               << QStringList{"txtP=100000", "txtA=599.55", "txtI=6",
                                              "txtMonths=12"}
                               << "txtRemaining"
                               << "98,771.99";
    QTest::newRow("remaining ignores years")
        << Calculator::Loan << "cmdRemaining"
        << QStringList{"txtP=100000", "txtA=599.55", "txtI=6", "txtN=abc", "txtMonths=12.5"}
        << "txtRemaining"
        << "98,771.99";

    const QStringList start = {"txtStartBalance=10000", "txtInterest=6"};
    QTest::newRow("how long") << Calculator::DrawDown << "cmdHowLong"
                              << (start + QStringList{"txtA=500"}) << "txtHowLong"
                              << "21 months";
    QTest::newRow("how long, interest covers it")
        << Calculator::DrawDown << "cmdHowLong" << (start + QStringList{"txtA=49"}) << "txtHowLong"
        << "forever";
    QTest::newRow("how long ignores months")
        << Calculator::DrawDown << "cmdHowLong" << (start + QStringList{"txtA=50", "txtN=abc"})
        << "txtHowLong"
        << "6301 months";
    QTest::newRow("how much") << Calculator::DrawDown << "cmdHowMuch"
                              << (start + QStringList{"txtA=100", "txtN=12"}) << "txtRemaining"
                              << "$9,383.22";
    QTest::newRow("how much, overdrawn")
        << Calculator::DrawDown << "cmdHowMuch"
        << QStringList{"txtStartBalance=1000", "txtInterest=12", "txtA=100", "txtN=24"}
        << "txtRemaining"
        << "$-1,427.61";
  }

  void writesOnlyItsResultField() {
    QFETCH(Calculator, window);
    QFETCH(QString, button);
    QFETCH(QStringList, fields);
    QFETCH(QString, result);
    QFETCH(QString, expected);
    auto [before, after] = PressOverOldResult(show(window), Fields(window), button, fields, result);
    before[result] = expected;
    QCOMPARE(after, before);
  }

  void failureShowsMessageAndChangesNothing_data() {
    QTest::addColumn<Calculator>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("message");

    const QString payment = Message(sw::loan_message::kPayment);
    const QString principal = Message(sw::loan_message::kPrincipal);
    const QString term = Message(sw::loan_message::kTerm);
    const QString rate = Message(sw::loan_message::kRate);
    const QString remaining = Message(sw::loan_message::kRemaining);

    QTest::newRow("payment, all empty")
        << Calculator::Loan << "cmdApin" << QStringList{} << "txtA" << payment;
    QTest::newRow("payment, zero rate")
        << Calculator::Loan << "cmdApin" << QStringList{"txtP=100000", "txtI=0", "txtN=30"}
        << "txtA" << payment;
    QTest::newRow("payment, years Infinite")
        << Calculator::Loan << "cmdApin" << QStringList{"txtP=100000", "txtI=6", "txtN=Infinite"}
        << "txtA" << payment;
    QTest::newRow("principal, all empty")
        << Calculator::Loan << "cmdPain" << QStringList{} << "txtP" << principal;
    QTest::newRow("principal, letters")
        << Calculator::Loan << "cmdPain" << QStringList{"txtA=12abc", "txtI=6", "txtN=30"} << "txtP"
        << principal;
    QTest::newRow("term, no payment and no rate")
        << Calculator::Loan << "cmdNaip" << QStringList{"txtP=1000", "txtA=0", "txtI=0"} << "txtN"
        << term;
    QTest::newRow("rate, years Infinite")
        << Calculator::Loan << "cmdIpan"
        << QStringList{"txtP=100000", "txtA=599.55", "txtN=Infinite"} << "txtI" << rate;
    QTest::newRow("rate, no years")
        << Calculator::Loan << "cmdIpan" << QStringList{"txtP=100000", "txtA=599.55", "txtN=0"}
        << "txtI" << rate;
    QTest::newRow("remaining, months empty")
        << Calculator::Loan << "cmdRemaining" << QStringList{"txtP=100000", "txtA=599.55", "txtI=6"}
        << "txtRemaining" << remaining;
    QTest::newRow("remaining, months beyond the counter")
        << Calculator::Loan << "cmdRemaining"
        << QStringList{"txtP=100000", "txtA=599.55", "txtI=0", "txtMonths=32767"} << "txtRemaining"
        << remaining;

    const QString howLong = Message(sw::drawdown_message::kHowLong);
    const QString howMuch = Message(sw::drawdown_message::kHowMuch);
    QTest::newRow("how long, all empty")
        << Calculator::DrawDown << "cmdHowLong" << QStringList{} << "txtHowLong" << howLong;
    QTest::newRow("how long, beyond 32767 months")
        << Calculator::DrawDown << "cmdHowLong"
        << QStringList{"txtStartBalance=32768", "txtInterest=0", "txtA=1"} << "txtHowLong"
        << howLong;
    QTest::newRow("how much, all empty")
        << Calculator::DrawDown << "cmdHowMuch" << QStringList{} << "txtRemaining" << howMuch;
    QTest::newRow("how much, zero rate")
        << Calculator::DrawDown << "cmdHowMuch"
        << QStringList{"txtStartBalance=10000", "txtInterest=0", "txtA=100", "txtN=12"}
        << "txtRemaining" << howMuch;
    QTest::newRow("how much, months out of range")
        << Calculator::DrawDown << "cmdHowMuch"
        << QStringList{"txtStartBalance=10000", "txtInterest=6", "txtA=100", "txtN=32768"}
        << "txtRemaining" << howMuch;
  }

  void failureShowsMessageAndChangesNothing() {
    QFETCH(Calculator, window);
    QFETCH(QString, button);
    QFETCH(QStringList, fields);
    QFETCH(QString, result);
    QFETCH(QString, message);
    FormWindow& shown = show(window);
    const auto [before, after] = PressOverOldResult(shown, Fields(window), button, fields, result);
    QCOMPARE(after, before);
    QCOMPARE(fixture().dialogs().takeMessages(),
             QList<RecordedMessage>{CalculationFailure(&shown, message)});
  }

  // A written result is read back by the next calculation.
  void resultsFeedTheNextCalculation() {
    FormWindow& window = fixture().loan();
    Fill(window, {"txtP=100000", "txtI=6", "txtN=30"});
    Click(window, "cmdApin");
    QCOMPARE(window.text("txtA"), QString("599.55"));
    Click(window, "cmdPain");
    QCOMPARE(window.text("txtP"), QString("99,999.91"));
    Click(window, "cmdApin");
    QCOMPARE(window.text("txtA"), QString("599.55"));
    Click(window, "cmdIpan");
    QCOMPARE(window.text("txtI"), QString("6.000"));
  }

  void infiniteTermFailsTheNextCalculation() {
    FormWindow& window = fixture().loan();
    Fill(window, {"txtP=100000", "txtA=400", "txtI=6"});
    Click(window, "cmdNaip");
    QCOMPARE(window.text("txtN"), QString("Infinite"));
    Click(window, "cmdApin");
    QCOMPARE(window.text("txtA"), QString("400"));
    QCOMPARE(
        fixture().dialogs().takeMessages(),
        QList<RecordedMessage>{CalculationFailure(&window, Message(sw::loan_message::kPayment))});
  }

  // Result fields are ordinary fields: what the user types stays until a
  // calculation overwrites it.
  void resultFieldsAcceptTyping() {
    FormWindow& window = fixture().loan();
    for (const QString& field : QStringList{"txtA", "txtP", "txtI", "txtN", "txtRemaining"}) {
      Type(window, field, "12");
      QCOMPARE(window.text(field), QString("12"));
    }
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

QTEST_MAIN(CalculateButtonsTest)
#include "calculate_buttons_test.moc"
