#include "ui/drawdown_window_handlers.h"

#include "calculations/window_names.h"
#include "ui/calculate_button.h"
#include "ui/help_entry.h"

namespace sw::ui {

void BindDrawDownWindow(FormWindow& window, Dialogs& dialogs, const Separators& separators) {
  BindCalculateButtons(window, dialogs, separators);
  BindHelpEntry(window, dialogs, drawdown_window::kWhatIsThis, WhatIsThisText());
  BindHelpEntry(window, dialogs, drawdown_window::kAbout, DrawDownAboutText());
}

}  // namespace sw::ui
