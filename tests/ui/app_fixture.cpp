#include "app_fixture.h"

#include <QLineEdit>
#include <QTest>
#include <utility>

#include "ui/application_setup.h"

namespace sw::ui::test {

AppFixture::AppFixture(Separators separators) {
  ConfigureApplication();
  app_ = std::make_unique<CalculatorApp>(dialogs_, std::move(separators));
  app_->start();
}

AppFixture::~AppFixture() = default;

FormWindow& AppFixture::goToDrawDown() {
  Choose(loan(), "mnuGoToUDDC");
  return app_->drawDownWindow();
}

QStringList AppFixture::unexpectedDialogs() const {
  QStringList result = dialogs_.untaken();
  for (const QString& title : guard_.caught()) result.append("modal dialog \"" + title + "\"");
  return result;
}

void Type(FormWindow& window, const QString& field, const QString& text) {
  auto* box = qobject_cast<QLineEdit*>(window.control(field));
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Delete);
  QTest::keyClicks(box, text);
}

void Click(FormWindow& window, const QString& button) {
  QTest::mouseClick(window.button(button), Qt::LeftButton);
}

void Choose(FormWindow& window, const QString& menuEntry) {
  window.menuEntry(menuEntry)->trigger();
}

}  // namespace sw::ui::test
