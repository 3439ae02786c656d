#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "desktop_start.h"
#include "product.h"
#include "system/locale_separators.h"
#include "system/program_start.h"
#include "ui/application_setup.h"
#include "ui/calculator_app.h"
#include "ui/widgets/qt_dialogs.h"

// Writes with C stdio: the streams of <iostream> would set up the C++
// locale machinery at start, a third of a mebibyte of the program's memory.
int main(int argc, char* argv[]) {
  if (sw::StartProgram(argc, argv) == std::vector<std::string>{"--version"}) {
    std::printf("sumwright %s\n", sw::product::kVersion);
    return EXIT_SUCCESS;
  }
  if (!sw::app::DesktopStart::DisplayNamed()) return EXIT_FAILURE;

  sw::app::DesktopStart desktop;
  QApplication application(argc, argv);
  desktop.toolkitStarted();
  sw::ui::ConfigureApplication();

  sw::ui::QtDialogs dialogs;
  // Read from the environment, not from the C locale that QApplication set.
  sw::ui::CalculatorApp calculator(dialogs, sw::UserLocaleSeparators());
  QObject::connect(&calculator, &sw::ui::CalculatorApp::quitRequested, &application,
                   &QApplication::quit, Qt::QueuedConnection);
  calculator.start();
  desktop.windowShown();
  return application.exec();
}
