#include "ui/loan_window_handlers.h"

#include "loan/loan_fields.h"
#include "loan/messages.h"
#include "ui/calculate_button.h"
#include "ui/help_entry.h"

namespace sw::ui {

void BindLoanWindow(LayoutWindow& window, Dialogs& dialogs) {
  const CalculateButton buttons[] = {
      {"cmdApin", {"txtP", "txtI", "txtN"}, "txtA",
       [](const FieldTexts& f) { return PaymentField(f[0], f[1], f[2]); },
       loan_message::kPayment},
      {"cmdPain", {"txtA", "txtI", "txtN"}, "txtP",
       [](const FieldTexts& f) { return PrincipalField(f[0], f[1], f[2]); },
       loan_message::kPrincipal},
      {"cmdNaip", {"txtP", "txtA", "txtI"}, "txtN",
       [](const FieldTexts& f) { return TermField(f[0], f[1], f[2]); },
       loan_message::kTerm},
      {"cmdIpan", {"txtP", "txtA", "txtN"}, "txtI",
       [](const FieldTexts& f) { return RateField(f[0], f[1], f[2]); },
       loan_message::kRate},
      {"cmdRemaining", {"txtP", "txtA", "txtI", "txtMonths"}, "txtRemaining",
       [](const FieldTexts& f) { return RemainingField(f[0], f[1], f[2], f[3]); },
       loan_message::kRemaining},
  };
  for (const CalculateButton& button : buttons) BindCalculateButton(window, dialogs, button);
  BindHelpEntry(window, dialogs, "mnuHowTo", HowToText());
  BindHelpEntry(window, dialogs, "mnuAbout", LoanAboutText());
}

}  // namespace sw::ui
