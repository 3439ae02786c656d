// Renders both calculator windows, filled with a worked example, to
// loan.png and drawdown.png in the folder given.
#include <QApplication>
#include <QDir>
#include <cstdlib>
#include <iostream>

#include "ui/calculator_app.h"
#include "ui/qt_dialogs.h"
#include "ui/umbrella_icon.h"

namespace {

void Fill(sw::ui::LayoutWindow& window, std::initializer_list<std::pair<QString, QString>> texts) {
  for (const auto& [field, text] : texts) window.setText(field, text);
}

bool Save(sw::ui::LayoutWindow& window, const QDir& folder, const QString& file) {
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
  QApplication::setWindowIcon(sw::ui::UmbrellaIcon());

  sw::ui::QtDialogs dialogs;
  sw::ui::CalculatorApp calculator(dialogs);
  calculator.start();

  sw::ui::LayoutWindow& loan = calculator.loanWindow();
  Fill(loan, {{"txtP", "100000"}, {"txtI", "6"}, {"txtN", "30"}, {"txtMonths", "12"}});
  loan.button("cmdApin")->click();
  loan.button("cmdRemaining")->click();
  const bool loanSaved = Save(loan, folder, "loan.png");

  loan.menuEntry("mnuGoToUDDC")->trigger();
  sw::ui::LayoutWindow& drawDown = calculator.drawDownWindow();
  Fill(drawDown, {{"txtStartBalance", "10000"}, {"txtInterest", "6"}, {"txtA", "500"},
                  {"txtN", "12"}});
  drawDown.button("cmdHowLong")->click();
  drawDown.button("cmdHowMuch")->click();
  const bool drawDownSaved = Save(drawDown, folder, "drawdown.png");

  return loanSaved && drawDownSaved ? EXIT_SUCCESS : EXIT_FAILURE;
}
