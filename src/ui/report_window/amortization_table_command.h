#pragma once

#include "numeric/separators.h"
#include "ui/widgets/form_window.h"

namespace sw::ui {

// Tools > Amortization Table: titles the report window, disables its Print
// entry, shows it, then sets its whole text once to the table of the loan
// window's principal, rate and years, or to the table's one-line failure
// message, numbers read and written with `separators`. txtA is neither read
// nor written.
void ShowAmortizationTable(const FormWindow& loan, FormWindow& report,
                           const Separators& separators);

}  // namespace sw::ui
