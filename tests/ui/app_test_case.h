#pragma once

#include <QObject>
#include <memory>

#include "app_fixture.h"

namespace sw::ui::test {

// Gives every test function a freshly started application, and fails the
// test on any dialog that it did not take.
class AppTestCase : public QObject {
  Q_OBJECT

 protected:
  AppFixture& fixture() { return *fixture_; }

 protected slots:
  void init();
  void cleanup();

 private:
  std::unique_ptr<AppFixture> fixture_;
};

}  // namespace sw::ui::test
