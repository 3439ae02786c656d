#include "display_platform.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace sw::app {
namespace {

std::string PlatformsAsked() {
  const char* platforms = std::getenv("QT_QPA_PLATFORM");
  return platforms == nullptr ? std::string() : platforms;
}

PlatformMessages* holding = nullptr;

}  // namespace

std::optional<std::string> PlatformsToTry(const char* chosen) {
  if (chosen != nullptr && *chosen != '\0') return std::nullopt;
  return "xcb;wayland";
}

std::string DisplayFailureMessage(std::string_view platforms) {
  bool x11 = false;
  bool wayland = false;
  bool other = false;
  while (!platforms.empty()) {
    const std::size_t end = std::min(platforms.find(';'), platforms.size());
    const std::string_view platform = platforms.substr(0, end);
    if (platform == "xcb") {
      x11 = true;
    } else if (platform.starts_with("wayland")) {
      wayland = true;
    } else if (!platform.empty()) {
      other = true;
    }
    platforms.remove_prefix(std::min(end + 1, platforms.size()));
  }
  if (wayland && !x11 && !other) {
    return "sumwright: cannot open the Wayland display (set WAYLAND_DISPLAY to a running "
           "Wayland compositor, or QT_QPA_PLATFORM=offscreen)";
  }
  if (x11 && !wayland && !other) {
    return "sumwright: cannot open the X11 display (set DISPLAY to a running X server, "
           "or QT_QPA_PLATFORM=offscreen)";
  }
  return "sumwright: cannot open the display (set DISPLAY to a running X server for X11 or "
         "WAYLAND_DISPLAY to a running compositor for Wayland, or QT_QPA_PLATFORM=offscreen)";
}

void PreferX11WhenUnchosen() {
  if (const auto platforms = PlatformsToTry(PlatformsAsked().c_str())) {
    setenv("QT_QPA_PLATFORM", platforms->c_str(), 1);
  }
}

bool DisplayAvailable() {
  const auto named = [](const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
  };
  return !PlatformsAsked().empty() || named("DISPLAY") || named("WAYLAND_DISPLAY");
}

PlatformMessages::PlatformMessages(const RuntimeDirectory& runtime) : runtime_(runtime) {
  holding = this;
  qtHandler_ = qInstallMessageHandler(hold);
}

void PlatformMessages::hold(QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
  if (type != QtFatalMsg) {
    holding->held_.push_back({type, context.category, message});
    return;
  }
  std::fprintf(stderr, "%s\n", DisplayFailureMessage(PlatformsAsked()).c_str());
  holding->runtime_.removeIfUnused();
  std::_Exit(EXIT_FAILURE);
}

void PlatformMessages::release() {
  qInstallMessageHandler(qtHandler_);
  holding = nullptr;
  const std::string platforms = PlatformsAsked();
  if (QGuiApplication::platformName().toStdString() == platforms.substr(0, platforms.find(';'))) {
    for (const Held& message : held_) {
      qtHandler_(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category),
                 message.text);
    }
  }
  held_.clear();
}

}  // namespace sw::app
