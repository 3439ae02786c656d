// Renders both calculator windows, filled with a worked example, to
// loan.png and drawdown.png in the folder given.
#include <QApplication>
#include <QDir>
#include <cstdlib>
#include <iostream>

#include "calculations/window_names.h"
#include "ui/application_setup.h"
#include "ui/calculator_app.h"
#include "ui/designs/window_designs.h"
#include "ui/widgets/qt_dialogs.h"

namespace {

// Types the texts, presses the buttons in order and saves the window to a
// PNG file in the folder.
bool Calculate(sw::ui::FormWindow& window, std::initializer_list<std::pair<QString, QString>> texts,
               std::initializer_list<const char*> buttons, const QDir& folder,
               const QString& file) {
  for (const auto& [field, text] : texts) window.setText(field, text);
  for (const char* button : buttons) window.button(button)->click();
  QApplication::processEvents();
  return window.grab().save(folder.filePath(file));
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::cerr << "usage: sumwright_screenshot OUTPUT_FOLDER\n";
    return EXIT_FAILURE;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  sw::ui::ConfigureApplication();

  sw::ui::QtDialogs dialogs;
  sw::ui::CalculatorApp calculator(dialogs);
  calculator.start();

  sw::ui::FormWindow& loan = calculator.loanWindow();
  namespace names = sw::loan_window;
  const bool loanSaved =
      Calculate(loan,
                {{names::kPrincipal, "100000"},
                 {names::kRate, "6"},
                 {names::kYears, "30"},
                 {names::kPaymentsMade, "12"}},
                {names::kCalculatePayment, names::kCalculateRemaining}, folder, "loan.png");

  loan.menuEntry(sw::ui::loan_menu::kGoToDrawDown)->trigger();
  namespace drawDownNames = sw::drawdown_window;
  const bool drawDownSaved = Calculate(
      calculator.drawDownWindow(),
      {{drawDownNames::kStartBalance, "10000"},
       {drawDownNames::kRate, "6"},
       {drawDownNames::kWithdrawal, "500"},
       {drawDownNames::kMonths, "12"}},
      {drawDownNames::kCalculateHowLong, drawDownNames::kCalculateHowMuch}, folder, "drawdown.png");

  return loanSaved && drawDownSaved ? EXIT_SUCCESS : EXIT_FAILURE;
}
