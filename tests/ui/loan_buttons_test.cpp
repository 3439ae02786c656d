#include <QTest>

#include "app_test_case.h"
#include "calculations/messages.h"
#include "field_snapshot.h"

using namespace sw::ui;
using namespace sw::ui::test;

namespace {

const QStringList kLoanFields = {"txtA", "txtP", "txtI", "txtN", "txtMonths", "txtRemaining"};

QString Message(std::string_view text) { return QString::fromUtf8(text.data(), text.size()); }

}  // namespace

class LoanButtonsTest : public AppTestCase {
  Q_OBJECT

 private slots:
  void writesOnlyItsResultField_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected");

    QTest::newRow("payment") << "cmdApin" << QStringList{"txtP=100000", "txtI=6", "txtN=30"}
                             << "txtA" << "599.55";
    QTest::newRow("payment, grouped principal")
        << "cmdApin" << QStringList{"txtP=1,000,000", "txtI=6", "txtN=30"} << "txtA"
        << "5,995.51";
    QTest::newRow("principal") << "cmdPain" << QStringList{"txtA=599.55", "txtI=6", "txtN=30"}
                               << "txtP" << "99,999.91";
    QTest::newRow("principal, no months")
        << "cmdPain" << QStringList{"txtA=599.55", "txtI=6", "txtN=0"} << "txtP" << "0.00";
    QTest::newRow("term") << "cmdNaip" << QStringList{"txtP=100000", "txtA=599.55", "txtI=6"}
                          << "txtN" << "30.00";
    QTest::newRow("term, never repaid")
        << "cmdNaip" << QStringList{"txtP=100000", "txtA=500", "txtI=6"} << "txtN"
        << "Infinite";
    QTest::newRow("rate") << "cmdIpan" << QStringList{"txtP=100000", "txtA=599.55", "txtN=30"}
                          << "txtI" << "6.000";
    QTest::newRow("remaining")
        << "cmdRemaining"
        << QStringList{"txtP=100000", "txtA=599.55", "txtI=6", "txtMonths=12"}
        << "txtRemaining" << "98,771.99";
    QTest::newRow("remaining ignores years")
        << "cmdRemaining"
        << QStringList{"txtP=100000", "txtA=599.55", "txtI=6", "txtN=abc", "txtMonths=12.5"}
        << "txtRemaining" << "98,771.99";
  }

  void writesOnlyItsResultField() {
    QFETCH(QString, button);
    QFETCH(QStringList, fields);
    QFETCH(QString, result);
    QFETCH(QString, expected);
    auto [before, after] = PressOverOldResult(fixture().loan(), kLoanFields, button, fields, result);
    before[result] = expected;
    QCOMPARE(after, before);
  }

  void failureShowsMessageAndChangesNothing_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("message");

    const QString payment = Message(sw::loan_message::kPayment);
    const QString principal = Message(sw::loan_message::kPrincipal);
    const QString term = Message(sw::loan_message::kTerm);
    const QString rate = Message(sw::loan_message::kRate);
    const QString remaining = Message(sw::loan_message::kRemaining);

    QTest::newRow("payment, all empty") << "cmdApin" << QStringList{} << "txtA" << payment;
    QTest::newRow("payment, zero rate")
        << "cmdApin" << QStringList{"txtP=100000", "txtI=0", "txtN=30"} << "txtA" << payment;
    QTest::newRow("payment, years Infinite")
        << "cmdApin" << QStringList{"txtP=100000", "txtI=6", "txtN=Infinite"} << "txtA"
        << payment;
    QTest::newRow("principal, all empty") << "cmdPain" << QStringList{} << "txtP" << principal;
    QTest::newRow("principal, letters")
        << "cmdPain" << QStringList{"txtA=12abc", "txtI=6", "txtN=30"} << "txtP" << principal;
    QTest::newRow("term, no payment and no rate")
        << "cmdNaip" << QStringList{"txtP=1000", "txtA=0", "txtI=0"} << "txtN" << term;
    QTest::newRow("rate, years Infinite")
        << "cmdIpan" << QStringList{"txtP=100000", "txtA=599.55", "txtN=Infinite"} << "txtI"
        << rate;
    QTest::newRow("rate, no years")
        << "cmdIpan" << QStringList{"txtP=100000", "txtA=599.55", "txtN=0"} << "txtI" << rate;
    QTest::newRow("remaining, months empty")
        << "cmdRemaining" << QStringList{"txtP=100000", "txtA=599.55", "txtI=6"}
        << "txtRemaining" << remaining;
    QTest::newRow("remaining, months beyond the counter")
        << "cmdRemaining"
        << QStringList{"txtP=100000", "txtA=599.55", "txtI=0", "txtMonths=32767"}
        << "txtRemaining" << remaining;
  }

  void failureShowsMessageAndChangesNothing() {
    QFETCH(QString, button);
    QFETCH(QStringList, fields);
    QFETCH(QString, result);
    QFETCH(QString, message);
    FormWindow& window = fixture().loan();
    const auto [before, after] = PressOverOldResult(window, kLoanFields, button, fields, result);
    QCOMPARE(after, before);
    QCOMPARE(fixture().dialogs().takeMessages(),
             QList<RecordedMessage>{CalculationFailure(&window, message)});
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
    QCOMPARE(fixture().dialogs().takeMessages(),
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

};

QTEST_MAIN(LoanButtonsTest)
#include "loan_buttons_test.moc"
