#include "ui/help_entry.h"

namespace sw::ui {

void BindHelpEntry(FormWindow& window, Dialogs& dialogs, const QString& entry,
                   const HelpText& text) {
  QObject::connect(window.menuEntry(entry), &QAction::triggered, &window,
                   [&window, &dialogs, text] {
                     dialogs.message(&window, text.title, text.prompt(), MessageIcon::Information);
                   });
}

}  // namespace sw::ui
