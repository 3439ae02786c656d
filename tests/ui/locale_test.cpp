#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app_fixture.h"
#include "calculations/messages.h"
#include "field_snapshot.h"
#include "report_request.h"
#include "system/locale_separators.h"
#include "ui/report_window/report_window.h"

using namespace sw::ui;
using namespace sw::ui::test;

namespace {

const QString kNoBreakSpace = QString(QChar(0x00A0));

// Starts the calculator as a user in `locale` does: the windows take the
// separators that the environment names.
std::unique_ptr<AppFixture> StartIn(const QByteArray& locale) {
  qputenv("LC_ALL", locale);
  return std::make_unique<AppFixture>(sw::UserLocaleSeparators());
}

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), text.size()); }

}  // namespace

class LocaleTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { qunsetenv("LC_ALL"); }

  void buttonsReadAndWriteLocalNumbers_data() {
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<bool>("drawDown");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected");

    const QString nbsp = kNoBreakSpace;
    QTest::newRow("C payment") << QByteArray("C") << false << "cmdApin"
                               << QStringList{"txtP=100000", "txtI=6", "txtN=30"} << "txtA"
                               << "599.55";
    QTest::newRow("en_US principal") << QByteArray("en_US.UTF-8") << false << "cmdPain"
                                     << QStringList{"txtA=599.55", "txtI=6", "txtN=30"} << "txtP"
                                     << "99,999.91";
    QTest::newRow("de_DE payment") << QByteArray("de_DE.UTF-8") << false << "cmdApin"
                                   << QStringList{"txtP=100.000", "txtI=6", "txtN=30"} << "txtA"
                                   << "599,55";
    QTest::newRow("de_DE principal") << QByteArray("de_DE.UTF-8") << false << "cmdPain"
                                     << QStringList{"txtA=599,55", "txtI=6", "txtN=30"} << "txtP"
                                     << "99.999,91";
    QTest::newRow("de_DE term") << QByteArray("de_DE.UTF-8") << false << "cmdNaip"
                                << QStringList{"txtP=100.000", "txtA=599,55", "txtI=6"} << "txtN"
                                << "30,00";
    QTest::newRow("de_DE rate") << QByteArray("de_DE.UTF-8") << false << "cmdIpan"
                                << QStringList{"txtP=100.000", "txtA=599,55", "txtN=30"} << "txtI"
                                << "6,000";
    QTest::newRow("de_DE payment, fraction")
        << QByteArray("de_DE.UTF-8") << false << "cmdApin"
        << QStringList{"txtP=1.234,56", "txtI=6", "txtN=30"} << "txtA"
        << "7,40";
    QTest::newRow("de_DE remaining")
        << QByteArray("de_DE.UTF-8") << false << "cmdRemaining"
        << QStringList{"txtP=100.000", "txtA=599,55", "txtI=6", "txtMonths=12"} << "txtRemaining"
        << "98.771,99";
    QTest::newRow("fr_FR principal") << QByteArray("fr_FR.UTF-8") << false << "cmdPain"
                                     << QStringList{"txtA=599,55", "txtI=6", "txtN=30"} << "txtP"
                                     << "99" + nbsp + "999,91";
    QTest::newRow("fr_FR payment, plain space")
        << QByteArray("fr_FR.UTF-8") << false << "cmdApin"
        << QStringList{"txtP=100 000", "txtI=6", "txtN=30"} << "txtA"
        << "599,55";
    QTest::newRow("fr_FR payment, no-break space")
        << QByteArray("fr_FR.UTF-8") << false << "cmdApin"
        << QStringList{"txtP=100" + nbsp + "000", "txtI=6", "txtN=30"} << "txtA"
        << "599,55";
    QTest::newRow("de_CH principal") << QByteArray("de_CH.UTF-8") << false << "cmdPain"
                                     << QStringList{"txtA=599.55", "txtI=6", "txtN=30"} << "txtP"
                                     << "99'999.91";
    QTest::newRow("de_CH how much")
        << QByteArray("de_CH.UTF-8") << true << "cmdHowMuch"
        << QStringList{"txtStartBalance=10'000", "txtInterest=6", "txtA=100", "txtN=12"}
        << "txtRemaining"
        << "$9'383.22";
    QTest::newRow("de_DE how much, typed back")
        << QByteArray("de_DE.UTF-8") << true << "cmdHowMuch"
        << QStringList{"txtStartBalance=$9.383,22", "txtInterest=6", "txtA=100", "txtN=0"}
        << "txtRemaining"
        << "$9.383,22";
    QTest::newRow("fr_FR how long")
        << QByteArray("fr_FR.UTF-8") << true << "cmdHowLong"
        << QStringList{"txtStartBalance=10 000", "txtInterest=6", "txtA=500"} << "txtHowLong"
        << "21 months";
    QTest::newRow("C how much, starting below zero")
        << QByteArray("C") << true << "cmdHowMuch"
        << QStringList{"txtStartBalance=$-1,427.61", "txtInterest=6", "txtA=100", "txtN=12"}
        << "txtRemaining"
        << "$-2,749.22";
  }

  // Typed with real key events, calculated with a real click.
  void buttonsReadAndWriteLocalNumbers() {
    QFETCH(QByteArray, locale);
    QFETCH(bool, drawDown);
    QFETCH(QString, button);
    QFETCH(QStringList, fields);
    QFETCH(QString, result);
    QFETCH(QString, expected);
    const auto fixture = StartIn(locale);
    FormWindow& window = drawDown ? fixture->goToDrawDown() : fixture->loan();
    Fill(window, fields);
    Click(window, button);
    QCOMPARE(window.text(result), expected);
    QVERIFY2(fixture->unexpectedDialogs().isEmpty(),
             qPrintable(fixture->unexpectedDialogs().join('\n')));
  }

  // A text that would mean another number in another locale fails.
  void ambiguousTextFails() {
    const auto fixture = StartIn("de_DE.UTF-8");
    Fill(fixture->loan(), {"txtP=1,234.56", "txtI=6", "txtN=30", "txtA=old"});
    Click(fixture->loan(), "cmdApin");
    QCOMPARE(fixture->loan().text("txtA"), QString("old"));
    QCOMPARE(fixture->dialogs().takeMessages(),
             QList{CalculationFailure(&fixture->loan(), Text(sw::loan_message::kPayment))});
  }

  // The report shows the no-break space, and the saved file holds it as the
  // single byte 0xA0.
  void frenchReportIsSavedAsShown() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const auto fixture = StartIn("fr_FR.UTF-8");
    FormWindow& report = RequestTable(*fixture, "100 000", "6", "30");
    const QString title =
        "Amortization Table for 100" + kNoBreakSpace + "000,00 at 6,000% for 30 years";
    QCOMPARE(ReportTextBox(report).document()->toRawText().section(QChar::ParagraphSeparator, 0, 0),
             title);
    fixture->dialogs().prepareSaveAnswer(dir.filePath("pret"));
    Choose(report, "mnuSave");
    QCOMPARE(fixture->dialogs().takeSaveRequests().size(), 1);
    QFile file(dir.filePath("pret.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(
        bytes.startsWith("\"Amortization Table for 100\xA0"
                         "000,00 at 6,000% for 30 years\r\n"
                         " #  Monthly  Monthly   Remaining\r\n"
                         "    Interest Principal Principal\r\n"
                         "001  500,00  99,55  99\xA0"
                         "900,45\r\n"));
  }
};

QTEST_MAIN(LocaleTest)
#include "locale_test.moc"
