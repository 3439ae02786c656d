#include <QMessageBox>
#include <QTest>

#include "modal_guard.h"
#include "ui/help_texts.h"
#include "ui/qt_dialogs.h"

using namespace sw::ui;

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  // Lines show as line breaks, and "<Calculate>" stays text, not markup.
  void messageBoxShowsThePromptAsPlainLines() {
    const HelpText howTo = HowToText();
    auto box = MakeMessageBox(nullptr, howTo.title, howTo.prompt(), MessageIcon::Information);
    QCOMPARE(box->windowTitle(), howTo.title);
    QCOMPARE(box->text(), howTo.lines.join('\n'));
    QCOMPARE(box->textFormat(), Qt::PlainText);
    QCOMPARE(box->icon(), QMessageBox::Information);
    QCOMPARE(box->standardButtons(), QMessageBox::Ok);
  }

  void failureBoxHasNoIcon() {
    auto box = MakeMessageBox(nullptr, "Zero Value Error", "message", MessageIcon::None);
    QCOMPARE(box->icon(), QMessageBox::NoIcon);
    QCOMPARE(box->standardButtons(), QMessageBox::Ok);
  }

  void fileFailureBoxWarns() {
    auto box = MakeMessageBox(nullptr, "Sumwright", "Could not save", MessageIcon::Warning);
    QCOMPARE(box->icon(), QMessageBox::Warning);
  }

  // A dialog that bypasses the recording seam is closed and reported, so a
  // test fails instead of waiting for a user.
  void guardClosesUnexpectedModalDialogs() {
    test::ModalGuard guard;
    QtDialogs().message(nullptr, "Unexpected", "text", MessageIcon::None);
    QCOMPARE(guard.caught(), QStringList{"Unexpected"});
  }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
