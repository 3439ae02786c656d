#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sw::ui {

// Window designs are plain data in twips (1440 to the inch) and RGB colours;
// window_builder.h turns them into widgets.

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

enum class ControlKind { Label, TextBox, CommandButton, Frame };
enum class Alignment { Left, Right };
enum class Border { FixedSingle, Sizable };
enum class WindowIcon { None, Umbrella };

struct FontSpec {
  std::string face{};
  double points = 0;
  bool bold = false;
};

struct ControlLayout {
  std::string name{};
  ControlKind kind = ControlKind::Label;
  // Empty for the window's client area, otherwise the name of a frame.
  std::string container{};
  TwipsRect rect{};
  // Place in the tab order; labels and frames hold one but never take focus.
  std::optional<int> tabIndex{};
  // Caption of a label, button or frame.
  std::string caption{};
  // What the control is for, as screen readers announce it.
  std::string accessibleName{};
  Alignment alignment = Alignment::Left;
  std::optional<Rgb> background{};
  std::optional<Rgb> foreground{};
  // Text boxes: multi-line with both scroll bars instead of single-line.
  bool multiLine = false;
};

// A single-line text box, announced as `purpose`.
inline ControlLayout TextBox(std::string name, int tab, std::string purpose, TwipsRect rect,
                             std::string container = "") {
  return {.name = std::move(name),
          .kind = ControlKind::TextBox,
          .container = std::move(container),
          .rect = rect,
          .tabIndex = tab,
          .accessibleName = std::move(purpose)};
}

// What choosing a menu entry does; menu_commands.h binds each to its handler.
enum class MenuCommand {
  None,
  HowTo,
  LoanAbout,
  WhatIsThis,
  DrawDownAbout,
  GoToDrawDown,
  GoToLoan,
  AmortizationTable,
  Save,
  SaveAs,
  Append,
  AppendTo,
};

struct MenuEntry {
  std::string name{};
  // "&" marks the access key; "-" is a separator line.
  std::string caption{};
  std::vector<MenuEntry> children{};
  MenuCommand command = MenuCommand::None;
};

struct WindowLayout {
  std::string name{};
  std::string caption{};
  int clientWidth = 0;
  int clientHeight = 0;
  Border border = Border::FixedSingle;
  bool maximizeButton = false;
  bool minimizeButton = false;
  std::optional<Rgb> background{};
  std::optional<Rgb> foreground{};
  FontSpec font{};
  WindowIcon icon = WindowIcon::None;
  // In stacking order, topmost first.
  std::vector<ControlLayout> controls{};
  std::vector<MenuEntry> menuBar{};
};

inline constexpr std::string_view kSeparatorCaption = "-";

// Text boxes and buttons take the focus; labels and frames never do.
bool TakesFocus(const ControlLayout& control);

// The controls that take the focus, in tab order.
std::vector<const ControlLayout*> TabStops(const WindowLayout& window);

// The control of that name, or nullptr.
const ControlLayout* FindControl(const WindowLayout& window, std::string_view name);

}  // namespace sw::ui
