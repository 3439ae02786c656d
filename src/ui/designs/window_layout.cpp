#include "ui/designs/window_layout.h"

#include <algorithm>

namespace sw::ui {

bool TakesFocus(const ControlLayout& control) {
  return control.tabIndex &&
         (control.kind == ControlKind::TextBox || control.kind == ControlKind::CommandButton);
}

std::vector<const ControlLayout*> TabStops(const WindowLayout& window) {
  std::vector<const ControlLayout*> stops;
  for (const ControlLayout& control : window.controls) {
    if (TakesFocus(control)) stops.push_back(&control);
  }
  std::ranges::sort(stops, {}, [](const ControlLayout* c) { return *c->tabIndex; });
  return stops;
}

const ControlLayout* FindControl(const WindowLayout& window, std::string_view name) {
  const auto found = std::ranges::find(window.controls, name, &ControlLayout::name);
  return found == window.controls.end() ? nullptr : &*found;
}

}  // namespace sw::ui
