#include "ui/calculate_button.h"

#include <string>
#include <vector>

#include "numeric/calc_failure.h"

namespace sw::ui {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void Run(FormWindow& window, Dialogs& dialogs, const FieldCalculation& calculation,
         const Separators& separators) {
  try {
    std::vector<std::string> texts;
    for (const FieldInput& input : calculation.inputs) {
      texts.push_back(window.text(FromUtf8(input.control)).toStdString());
    }
    const std::string result = calculation.compute(separators, texts);
    window.setText(FromUtf8(calculation.result), FromUtf8(result));
  } catch (const CalcFailure&) {
    dialogs.message(&window, FromUtf8(kCalcFailureTitle), FromUtf8(calculation.failureMessage),
                    MessageIcon::None);
  }
}

}  // namespace

void BindCalculateButton(FormWindow& window, Dialogs& dialogs,
                         const FieldCalculation& calculation, const Separators& separators) {
  QPushButton* button = window.button(FromUtf8(calculation.button));
  QObject::connect(button, &QPushButton::clicked, &window,
                   [&window, &dialogs, &calculation, separators] {
                     Run(window, dialogs, calculation, separators);
                   });
}

void BindCalculateButtons(FormWindow& window, Dialogs& dialogs, const Separators& separators) {
  for (const FieldCalculation& calculation : FieldCalculations()) {
    if (calculation.window == window.design().name) {
      BindCalculateButton(window, dialogs, calculation, separators);
    }
  }
}

}  // namespace sw::ui
