#include <QApplication>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "allocator_policy.h"
#include "display_platform.h"
#include "font_configuration_loader.h"
#include "product.h"
#include "runtime_directory.h"
#include "system/file_writer.h"
#include "system/locale_separators.h"
#include "ui/calculator_app.h"
#include "ui/windows/qt_dialogs.h"

// Writes with C stdio: the streams of <iostream> would set up the C++
// locale machinery at start, a third of a mebibyte of the program's memory.
int main(int argc, char* argv[]) {
  sw::IgnoreFileSizeSignal();
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("sumwright %s\n", sw::product::kVersion);
    return EXIT_SUCCESS;
  }
  if (!sw::app::DisplayAvailable()) {
    std::fprintf(stderr, "%s\n", sw::app::kNoDisplayMessage);
    return EXIT_FAILURE;
  }

  const sw::app::RuntimeDirectory runtime;
  sw::app::PreferX11WhenUnchosen();
  // Before the font configuration is read beside the toolkit's start: the
  // allocator is set before any thread starts, and the environment is final
  // and the C library's locale what QApplication is about to make it.
  sw::app::UseAllocatorPolicy();
  std::setlocale(LC_ALL, "");
  sw::app::FontConfigurationLoader fontConfiguration;
  sw::app::PlatformMessages platformMessages(runtime);
  QApplication application(argc, argv);
  platformMessages.release();
  fontConfiguration.wait();
  sw::ui::ConfigureApplication();

  sw::ui::QtDialogs dialogs;
  // Read from the environment, not from the C locale that QApplication set.
  sw::ui::CalculatorApp calculator(dialogs, sw::UserLocaleSeparators());
  QObject::connect(&calculator, &sw::ui::CalculatorApp::quitRequested, &application,
                   &QApplication::quit, Qt::QueuedConnection);
  calculator.start();
  sw::app::ReleaseFreeHeap();
  return application.exec();
}
