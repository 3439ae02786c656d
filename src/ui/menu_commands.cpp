#include "ui/menu_commands.h"

#include <stdexcept>

namespace sw::ui {
namespace {

void BindEntries(FormWindow& window, const std::vector<MenuEntry>& entries,
                 const MenuHandlers& handlers) {
  for (const MenuEntry& entry : entries) {
    BindEntries(window, entry.children, handlers);
    if (entry.command == MenuCommand::None) continue;
    const auto handler = handlers.find(entry.command);
    if (handler == handlers.end()) throw std::logic_error(entry.name + " has no handler");
    QObject::connect(window.menuEntry(QString::fromStdString(entry.name)), &QAction::triggered,
                     &window, [&window, run = handler->second] { run(window); });
  }
}

}  // namespace

void BindMenuCommands(FormWindow& window, const MenuHandlers& handlers) {
  BindEntries(window, window.design().menuBar, handlers);
}

}  // namespace sw::ui
