#pragma once

#include "ui/dialogs.h"
#include "ui/layout_window.h"

namespace sw::ui {

// The five calculate buttons and the How To and About entries of frmAPIN.
void BindLoanWindow(LayoutWindow& window, Dialogs& dialogs);

}  // namespace sw::ui
