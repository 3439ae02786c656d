#pragma once

#include "numeric/separators.h"
#include "ui/dialogs.h"
#include "ui/form_window.h"

namespace sw::ui {

// The two calculate buttons, reading and writing numbers with `separators`,
// and the What Is This and About entries of frmDrawDown.
void BindDrawDownWindow(FormWindow& window, Dialogs& dialogs, const Separators& separators);

}  // namespace sw::ui
