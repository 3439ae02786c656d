#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime_directory.h"

namespace sw::app {

// The platforms for Qt to try, in order, when the user has chosen none
// (QT_QPA_PLATFORM unset or empty): X11 first, on a Wayland desktop through
// XWayland, since the windows place themselves on the screen and a Wayland
// client cannot; Wayland itself when no X server answers. A platform that the
// user chose stands, and there is nothing to set.
std::optional<std::string> PlatformsToTry(const char* chosen);

// Sets QT_QPA_PLATFORM to PlatformsToTry when the user has chosen none.
void PreferX11WhenUnchosen();

// Whether a display is named: a platform chosen through QT_QPA_PLATFORM, or
// an X11 or Wayland display.
bool DisplayAvailable();

// The program's one line when no display is named at all.
inline constexpr char kNoDisplayMessage[] =
    "sumwright: no display available (set DISPLAY for X11 or WAYLAND_DISPLAY for Wayland, "
    "or QT_QPA_PLATFORM=offscreen)";

// The program's one line when none of the `platforms` tried (a
// QT_QPA_PLATFORM list such as "xcb;wayland") could open its display: it
// names the display ways that were tried.
std::string DisplayFailureMessage(std::string_view platforms);

// Holds Qt's messages back from its making, before QApplication, until
// release(), after it: a platform of the list that fails before a later one
// takes over is no news to the user, and when none starts the program's own
// line says so. Qt aborts when no platform can start; this exits plainly
// instead, removing `runtime` if unused. One at a time.
class PlatformMessages {
 public:
  explicit PlatformMessages(const RuntimeDirectory& runtime);
  PlatformMessages(const PlatformMessages&) = delete;
  PlatformMessages& operator=(const PlatformMessages&) = delete;

  // Gives Qt's own handler back and passes the held lines on to it, unless
  // the platform that started is a fallback.
  void release();

 private:
  struct Held {
    QtMsgType type;
    // A logging category's name, which lives as long as the program.
    const char* category;
    QString text;
  };
  static void hold(QtMsgType type, const QMessageLogContext& context, const QString& message);

  const RuntimeDirectory& runtime_;
  QtMessageHandler qtHandler_ = nullptr;
  std::vector<Held> held_;
};

}  // namespace sw::app
