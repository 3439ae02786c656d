#include "ui/drawdown_window_handlers.h"

#include "drawdown/drawdown_fields.h"
#include "drawdown/messages.h"
#include "ui/calculate_button.h"
#include "ui/help_entry.h"

namespace sw::ui {

void BindDrawDownWindow(LayoutWindow& window, Dialogs& dialogs) {
  const CalculateButton buttons[] = {
      {"cmdHowLong", {"txtStartBalance", "txtInterest", "txtA"}, "txtHowLong",
       [](const FieldTexts& f) { return HowLongField(f[0], f[1], f[2]); },
       drawdown_message::kHowLong},
      {"cmdHowMuch", {"txtStartBalance", "txtInterest", "txtA", "txtN"}, "txtRemaining",
       [](const FieldTexts& f) { return HowMuchField(f[0], f[1], f[2], f[3]); },
       drawdown_message::kHowMuch},
  };
  for (const CalculateButton& button : buttons) BindCalculateButton(window, dialogs, button);
  BindHelpEntry(window, dialogs, "mnuWhat", WhatIsThisText());
  BindHelpEntry(window, dialogs, "mnuAbout", DrawDownAboutText());
}

}  // namespace sw::ui
