#include "display_platform.h"

#include <cstdlib>

namespace sw::app {

std::optional<std::string> PlatformsToTry(const char* chosen) {
  if (chosen != nullptr && *chosen != '\0') return std::nullopt;
  return "xcb;wayland";
}

void PreferX11WhenUnchosen() {
  if (const auto platforms = PlatformsToTry(std::getenv("QT_QPA_PLATFORM"))) {
    setenv("QT_QPA_PLATFORM", platforms->c_str(), 1);
  }
}

}  // namespace sw::app
