#pragma once

#include "ui/dialogs.h"
#include "ui/layout_window.h"

namespace sw::ui {

// The two calculate buttons and the What Is This and About entries of
// frmDrawDown.
void BindDrawDownWindow(LayoutWindow& window, Dialogs& dialogs);

}  // namespace sw::ui
