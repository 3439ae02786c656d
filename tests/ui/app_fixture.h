#pragma once

#include <QString>
#include <memory>

#include "modal_guard.h"
#include "recording_dialogs.h"
#include "ui/calculator_app.h"

namespace sw::ui::test {

// A started application with recorded dialogs, fresh for every test, its
// numbers in `separators`.
class AppFixture {
 public:
  explicit AppFixture(Separators separators = {});
  ~AppFixture();

  CalculatorApp& app() { return *app_; }
  RecordingDialogs& dialogs() { return dialogs_; }
  FormWindow& loan() { return app_->loanWindow(); }
  // Reached the way a user does: through the loan window's Tools menu.
  FormWindow& goToDrawDown();

  // Dialogs that appeared without the test taking them; empty when all was
  // as expected.
  QStringList unexpectedDialogs() const;

 private:
  RecordingDialogs dialogs_;
  ModalGuard guard_;
  std::unique_ptr<CalculatorApp> app_;
};

// User actions on real widgets.
void Type(FormWindow& window, const QString& field, const QString& text);
void Click(FormWindow& window, const QString& button);
void Choose(FormWindow& window, const QString& menuEntry);

}  // namespace sw::ui::test
