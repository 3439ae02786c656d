#pragma once

#include <memory>

#include "ui/designs/window_layout.h"
#include "ui/widgets/form_window.h"

namespace sw::ui {

// Builds a window from its design at 15 twips per pixel: menu bar, client
// area, every control in its container with its colours, stacking and tab
// order, the font, the border and the icon.
std::unique_ptr<FormWindow> BuildWindow(const WindowLayout& design);

}  // namespace sw::ui
