#include "ui/calculate_button.h"

#include <string>
#include <vector>

#include "numeric/calc_failure.h"
#include "ui/widgets/to_qstring.h"

namespace sw::ui {
namespace {

void Run(FormWindow& window, Dialogs& dialogs, const FieldCalculation& calculation,
         const Separators& separators) {
  try {
    std::vector<std::string> texts;
    for (const FieldInput& input : calculation.inputs) {
      texts.push_back(window.text(ToQString(input.control)).toStdString());
    }
    const std::string result = calculation.compute(separators, texts);
    window.setText(ToQString(calculation.result), ToQString(result));
  } catch (const CalcFailure&) {
    dialogs.message(&window, ToQString(kCalcFailureTitle), ToQString(calculation.failureMessage),
                    MessageIcon::None);
  }
}

}  // namespace

void BindCalculateButton(FormWindow& window, Dialogs& dialogs, const FieldCalculation& calculation,
                         const Separators& separators) {
  QPushButton* button = window.button(ToQString(calculation.button));
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
