#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sw::app {

// The platforms for Qt to try, in order, when the user has chosen none
// (QT_QPA_PLATFORM unset or empty): X11 first, on a Wayland desktop through
// XWayland, since the windows place themselves on the screen and a Wayland
// client cannot; Wayland itself when no X server answers. A platform that the
// user chose stands, and there is nothing to set.
std::optional<std::string> PlatformsToTry(const char* chosen);

// Sets QT_QPA_PLATFORM to PlatformsToTry when the user has chosen none.
void PreferX11WhenUnchosen();

// The program's one line when no display is named at all.
inline constexpr char kNoDisplayMessage[] =
    "sumwright: no display available (set DISPLAY for X11 or WAYLAND_DISPLAY for Wayland, "
    "or QT_QPA_PLATFORM=offscreen)";

// The program's one line when none of the `platforms` tried (a
// QT_QPA_PLATFORM list such as "xcb;wayland") could open its display: it
// names the display ways that were tried.
std::string DisplayFailureMessage(std::string_view platforms);

}  // namespace sw::app
