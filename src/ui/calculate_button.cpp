#include "ui/calculate_button.h"

#include "loan/messages.h"
#include "numeric/calc_failure.h"

namespace sw::ui {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void Run(LayoutWindow& window, Dialogs& dialogs, const CalculateButton& spec) {
  try {
    FieldTexts texts;
    for (const QString& input : spec.inputs) texts.push_back(window.text(input).toStdString());
    const std::string result = spec.calculate(texts);
    window.setText(spec.result, FromUtf8(result));
  } catch (const CalcFailure&) {
    dialogs.message(&window, FromUtf8(loan_message::kTitle), FromUtf8(spec.failureMessage),
                    MessageButtons::Ok, MessageIcon::None);
  }
}

}  // namespace

void BindCalculateButton(LayoutWindow& window, Dialogs& dialogs, CalculateButton spec) {
  QPushButton* button = window.button(spec.button);
  QObject::connect(button, &QPushButton::clicked, &window,
                   [&window, &dialogs, spec = std::move(spec)] { Run(window, dialogs, spec); });
}

}  // namespace sw::ui
