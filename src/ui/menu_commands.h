#pragma once

#include <functional>
#include <map>

#include "ui/widgets/form_window.h"

namespace sw::ui {

// What a menu command does, given the window whose entry was chosen.
using MenuHandler = std::function<void(FormWindow& window)>;
using MenuHandlers = std::map<MenuCommand, MenuHandler>;

// Connects each entry of the window's menus whose design names a command to
// that command's handler. A command with no handler throws
// std::logic_error, since that is a programming error.
void BindMenuCommands(FormWindow& window, const MenuHandlers& handlers);

}  // namespace sw::ui
