#pragma once

#include "ui/dialogs.h"
#include "ui/form_window.h"

class QPlainTextEdit;

namespace sw::ui {

// Binds a freshly built frmPrintOutput: its text box fills the client area
// now and at every size change, loading places the window at the screen's
// left edge, and the File menu saves and appends its text.
void BindReportWindow(FormWindow& window, Dialogs& dialogs);

// The window's one text box, txtText.
QPlainTextEdit& ReportTextBox(const FormWindow& window);

}  // namespace sw::ui
