#include "app/runtime_directory.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using sw::app::RuntimeDirectory;

namespace {

QString RuntimeName() { return "runtime-" + QFile::decodeName(getpwuid(geteuid())->pw_name); }

}  // namespace

class RuntimeDirectoryTest : public QObject {
  Q_OBJECT

 private slots:
  void removedOnlyWhenOursAndEmpty_data() {
    QTest::addColumn<bool>("existed");
    QTest::addColumn<bool>("used");
    QTest::addColumn<bool>("remains");
    QTest::newRow("created by the program, empty") << false << false << false;
    QTest::newRow("created by the program, used") << false << true << true;
    QTest::newRow("there before") << true << false << true;
  }

  // Without XDG_RUNTIME_DIR the program names <temp>/runtime-<user>, which
  // Qt creates; the program takes it away again only if nobody else had it.
  void removedOnlyWhenOursAndEmpty() {
    QFETCH(bool, existed);
    QFETCH(bool, used);
    QFETCH(bool, remains);
    QTemporaryDir temp;
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    qunsetenv("XDG_RUNTIME_DIR");
    if (existed) {
      QVERIFY(QDir(temp.path())
                  .mkdir(RuntimeName(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    {
      const RuntimeDirectory runtime;
      const QString named = qEnvironmentVariable("XDG_RUNTIME_DIR");
      QCOMPARE(named, temp.path() + "/" + RuntimeName());
      QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation), named);
      if (used) QVERIFY(QFile(named + "/socket").open(QIODevice::WriteOnly));
    }
    const QStringList left = QDir(temp.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QCOMPARE(left.size(), remains ? 1 : 0);
  }
};

QTEST_GUILESS_MAIN(RuntimeDirectoryTest)
#include "runtime_directory_test.moc"
