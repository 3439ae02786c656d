#include "app_test_case.h"

#include <QTest>

namespace sw::ui::test {

void AppTestCase::init() { fixture_ = std::make_unique<AppFixture>(); }

void AppTestCase::cleanup() {
  const QStringList unexpected = fixture_->unexpectedDialogs();
  fixture_.reset();
  QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join('\n')));
}

}  // namespace sw::ui::test
