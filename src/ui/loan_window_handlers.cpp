#include "ui/loan_window_handlers.h"

#include "calculations/window_names.h"
#include "ui/calculate_button.h"
#include "ui/help_entry.h"

namespace sw::ui {

void BindLoanWindow(FormWindow& window, Dialogs& dialogs, const Separators& separators) {
  BindCalculateButtons(window, dialogs, separators);
  BindHelpEntry(window, dialogs, loan_window::kHowTo, HowToText());
  BindHelpEntry(window, dialogs, loan_window::kAbout, LoanAboutText());
}

}  // namespace sw::ui
