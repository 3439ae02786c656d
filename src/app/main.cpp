#include <QApplication>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "allocator_policy.h"
#include "display_platform.h"
#include "font_configuration_loader.h"
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

struct HeldMessage {
  QtMsgType type;
  // A logging category's name, which lives as long as the program.
  const char* category;
  QString text;
};

QtMessageHandler defaultMessageHandler = nullptr;
std::vector<HeldMessage> heldMessages;
const sw::app::RuntimeDirectory* runtimeDirectory = nullptr;

std::string PlatformsAsked() {
  const char* platforms = std::getenv("QT_QPA_PLATFORM");
  return platforms == nullptr ? std::string() : platforms;
}

// While the platform starts, Qt's lines are held back: a platform of the list
// that fails before a later one takes over is no news to the user, and when
// none starts the program's own line says so. Qt aborts when no platform can
// start; exit plainly instead.
void HoldPlatformMessages(QtMsgType type, const QMessageLogContext& context,
                          const QString& message) {
  if (type != QtFatalMsg) {
    heldMessages.push_back({type, context.category, message});
    return;
  }
  std::fprintf(stderr, "%s\n", sw::app::DisplayFailureMessage(PlatformsAsked()).c_str());
  if (runtimeDirectory != nullptr) runtimeDirectory->removeIfUnused();
  std::_Exit(EXIT_FAILURE);
}

// Passes the held lines on, unless the platform that started is a fallback.
void ReleasePlatformMessages() {
  const std::string platforms = PlatformsAsked();
  const std::string first = platforms.substr(0, platforms.find(';'));
  if (QGuiApplication::platformName().toStdString() == first) {
    for (const HeldMessage& held : heldMessages) {
      const QMessageLogContext context(nullptr, 0, nullptr, held.category);
      defaultMessageHandler(held.type, context, held.text);
    }
  }
  heldMessages.clear();
}

}  // namespace

// Writes with C stdio: the streams of <iostream> would set up the C++
// locale machinery at start, a third of a mebibyte of the program's memory.
int main(int argc, char* argv[]) {
  sw::IgnoreFileSizeSignal();
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("sumwright %s\n", sw::product::kVersion);
    return EXIT_SUCCESS;
  }
  if (!DisplayAvailable()) {
    std::fprintf(stderr, "%s\n", sw::app::kNoDisplayMessage);
    return EXIT_FAILURE;
  }

  const sw::app::RuntimeDirectory runtime;
  runtimeDirectory = &runtime;
  sw::app::PreferX11WhenUnchosen();
  // Before the font configuration is read beside the toolkit's start: the
  // allocator is set before any thread starts, and the environment is final
  // and the C library's locale what QApplication is about to make it.
  sw::app::UseAllocatorPolicy();
  std::setlocale(LC_ALL, "");
  sw::app::FontConfigurationLoader fontConfiguration;
  defaultMessageHandler = qInstallMessageHandler(HoldPlatformMessages);
  QApplication application(argc, argv);
  qInstallMessageHandler(defaultMessageHandler);
  ReleasePlatformMessages();
  // Lets desktop shells match the window to its menu entry and icon.
  QGuiApplication::setDesktopFileName(QString::fromLatin1(sw::product::kAppId));
  // The program ends when the user has closed every window on screen, not
  // when the last visible window happens to be hidden by a switch.
  QApplication::setQuitOnLastWindowClosed(false);

  fontConfiguration.wait();
  sw::ui::QtDialogs dialogs;
  // Read from the environment, not from the C locale that QApplication set.
  sw::ui::CalculatorApp calculator(dialogs, sw::UserLocaleSeparators());
  QObject::connect(&calculator, &sw::ui::CalculatorApp::quitRequested, &application,
                   &QApplication::quit, Qt::QueuedConnection);
  calculator.start();
  sw::app::ReleaseFreeHeap();
  // For the windows without an icon of their own, given after the first
  // window is on screen as that window's own is.
  QApplication::setWindowIcon(sw::ui::UmbrellaIcon());
  return application.exec();
}
