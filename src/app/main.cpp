#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "display_platform.h"
#include "product.h"
#include "runtime_directory.h"
#include "system/file_writer.h"
#include "system/locale_separators.h"
#include "ui/calculator_app.h"
#include "ui/qt_dialogs.h"
#include "ui/umbrella_icon.h"

namespace {

// A platform chosen through QT_QPA_PLATFORM, or an X11 or Wayland display.
bool DisplayAvailable() {
  for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

QtMessageHandler defaultMessageHandler = nullptr;

// Qt aborts when no platform can start, for instance when DISPLAY names an X
// server that cannot be reached; say so plainly and exit instead.
void ExitOnPlatformFailure(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
  if (type != QtFatalMsg) {
    defaultMessageHandler(type, context, message);
    return;
  }
  std::cerr << "sumwright: cannot open the display (set DISPLAY to a running X server, "
               "or QT_QPA_PLATFORM=offscreen)\n";
  std::_Exit(EXIT_FAILURE);
}

}  // namespace

int main(int argc, char* argv[]) {
  sw::IgnoreFileSizeSignal();
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "sumwright " << sw::product::kVersion << '\n';
    return EXIT_SUCCESS;
  }
  if (!DisplayAvailable()) {
    std::cerr << "sumwright: no display available (set DISPLAY, or QT_QPA_PLATFORM=offscreen)\n";
    return EXIT_FAILURE;
  }

  sw::app::NameRuntimeDirectoryWhenUnset();
  sw::app::PreferX11WhenUnchosen();
  defaultMessageHandler = qInstallMessageHandler(ExitOnPlatformFailure);
  QApplication application(argc, argv);
  qInstallMessageHandler(defaultMessageHandler);
  QApplication::setWindowIcon(sw::ui::UmbrellaIcon());
  // Lets desktop shells match the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(QString::fromLatin1(sw::product::kAppId));
  // The program ends when the calculator on screen is closed, not when the
  // last visible window happens to be hidden by a switch.
  QApplication::setQuitOnLastWindowClosed(false);

  sw::ui::QtDialogs dialogs;
  // Read from the environment, not from the C locale that QApplication set.
  sw::ui::CalculatorApp calculator(dialogs, sw::UserLocaleSeparators());
  QObject::connect(&calculator, &sw::ui::CalculatorApp::quitRequested, &application,
                   &QApplication::quit, Qt::QueuedConnection);
  calculator.start();
  return application.exec();
}
