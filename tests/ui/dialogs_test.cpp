#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "modal_guard.h"
#include "ui/help_texts.h"
#include "ui/widgets/qt_dialogs.h"

using namespace sw::ui;

namespace {

using MakeQuestion = std::function<std::unique_ptr<QMessageBox>()>;

QByteArray ContentsOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  // Lines show as line breaks, and "<Calculate>" stays text, not markup.
  void messageBoxShowsThePromptAsPlainLines() {
    const HelpText howTo = HowToText();
    auto box = MakeMessageBox(nullptr, howTo.title, howTo.prompt(), MessageIcon::Information);
    QCOMPARE(box->windowTitle(), QString("Using the Sumwright Calculator"));
    QCOMPARE(box->text(), QString("To use this calculator simply enter data into any three of the\n"
                                  "fields and click on the <Calculate> button next to the field\n"
                                  "you're interested in determining."));
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

  void questions_data() {
    QTest::addColumn<MakeQuestion>("make");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("answer");
    const MakeQuestion replace = [] {
      return MakeReplaceQuestion(nullptr, "Save Drop Table As...", "/home/user/keep.txt");
    };
    const MakeQuestion saveChanges = [] {
      return MakeSaveChangesQuestion(nullptr, "Sumwright", "changed");
    };
    QTest::newRow("replace, Esc") << replace << int(Qt::Key_Escape) << int(QMessageBox::No);
    QTest::newRow("replace, Enter") << replace << int(Qt::Key_Return) << int(QMessageBox::No);
    QTest::newRow("save changes, Esc")
        << saveChanges << int(Qt::Key_Escape) << int(QMessageBox::Cancel);
    QTest::newRow("save changes, Enter")
        << saveChanges << int(Qt::Key_Return) << int(QMessageBox::Save);
  }

  // Replacing a file is never the answer a stray key gives; Esc keeps a
  // window with unsaved changes open.
  void questions() {
    QFETCH(MakeQuestion, make);
    QFETCH(int, key);
    QFETCH(int, answer);
    auto box = make();
    QTimer::singleShot(0, box.get(), [&box, key] { QTest::keyClick(box.get(), Qt::Key(key)); });
    QCOMPARE(box->exec(), answer);
  }

  // The file dialog's history lives only as long as the program: nothing
  // in the user's settings, and its own folder is gone afterwards.
  void fileDialogKeepsNoHistory() {
    if (QGuiApplication::platformName() == "windows") {
      QSKIP("Windows' own save dialog, which a test cannot answer, keeps its history itself");
    }
    const QString userSettings = QSettings(QSettings::UserScope, "QtProject").fileName();
    const QByteArray before = ContentsOf(userSettings);
    QTemporaryDir dir;
    const QString chosen = dir.filePath("report.txt");
    QString sessionSettings;
    {
      QtDialogs dialogs;
      QTimer::singleShot(0, [chosen] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        dialog->selectFile(chosen);
        QMetaObject::invokeMethod(dialog, &QDialog::accept);
      });
      QCOMPARE(dialogs.askSaveFileName(nullptr, "Save Drop Table As...", "*.txt", ""), chosen);
      sessionSettings = QSettings(QSettings::UserScope, "QtProject").fileName();
      QVERIFY(ContentsOf(sessionSettings).contains("history"));
    }
    QCOMPARE(ContentsOf(userSettings), before);
    QVERIFY(!QFileInfo::exists(QFileInfo(sessionSettings).path()));
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
