#pragma once

#include "numeric/separators.h"
#include "ui/dialogs.h"
#include "ui/form_window.h"

namespace sw::ui {

// The five calculate buttons, reading and writing numbers with
// `separators`, and the How To and About entries of frmAPIN.
void BindLoanWindow(FormWindow& window, Dialogs& dialogs, const Separators& separators);

}  // namespace sw::ui
