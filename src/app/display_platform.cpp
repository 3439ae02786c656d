#include "display_platform.h"

#include <algorithm>
#include <cstdlib>

namespace sw::app {

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
  if (const auto platforms = PlatformsToTry(std::getenv("QT_QPA_PLATFORM"))) {
    setenv("QT_QPA_PLATFORM", platforms->c_str(), 1);
  }
}

}  // namespace sw::app
