#pragma once

#include <optional>
#include <string>

namespace sw::app {

// The platforms for Qt to try, in order, when the user has chosen none
// (QT_QPA_PLATFORM unset or empty): X11 first, on a Wayland desktop through
// XWayland, since the windows place themselves on the screen and a Wayland
// client cannot; Wayland itself when no X server answers. A platform that the
// user chose stands, and there is nothing to set.
std::optional<std::string> PlatformsToTry(const char* chosen);

// Sets QT_QPA_PLATFORM to PlatformsToTry when the user has chosen none.
void PreferX11WhenUnchosen();

}  // namespace sw::app
