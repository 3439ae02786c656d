#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/dialogs.h"
#include "ui/layout_window.h"

namespace sw::ui {

using FieldTexts = std::vector<std::string>;

// A calculate button: the text boxes it reads, in order, the one text box
// it writes, the calculation from the read texts to the written text, and
// the message shown when that calculation throws CalcFailure.
struct CalculateButton {
  QString button;
  QStringList inputs;
  QString result;
  std::function<std::string(const FieldTexts&)> calculate;
  std::string_view failureMessage;
};

// Connects the button's click. Writing the result is the last step, so a
// failure leaves every field as it was.
void BindCalculateButton(LayoutWindow& window, Dialogs& dialogs, CalculateButton calculation);

}  // namespace sw::ui
