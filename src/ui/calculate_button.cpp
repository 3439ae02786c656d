#include "ui/calculate_button.h"

#include "loan/messages.h"
#include "numeric/calc_failure.h"

namespace sw::ui {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void Run(LayoutWindow& window, Dialogs& dialogs, const CalculateButton& calculation) {
  try {
    FieldTexts texts;
    for (const QString& input : calculation.inputs) texts.push_back(window.text(input).toStdString());
    const std::string result = calculation.calculate(texts);
    window.setText(calculation.result, FromUtf8(result));
  } catch (const CalcFailure&) {
    dialogs.message(&window, FromUtf8(loan_message::kTitle), FromUtf8(calculation.failureMessage),
                    MessageButtons::Ok, MessageIcon::None);
  }
}

}  // namespace

void BindCalculateButton(LayoutWindow& window, Dialogs& dialogs, CalculateButton calculation) {
  QPushButton* button = window.button(calculation.button);
  QObject::connect(button, &QPushButton::clicked, &window,
                   [&window, &dialogs, calculation = std::move(calculation)] { Run(window, dialogs, calculation); });
}

}  // namespace sw::ui
