#pragma once

#include "ui/widgets/form_window.h"

class QPlainTextEdit;

namespace sw::ui {

// Binds a freshly built frmPrintOutput: its text box fills the client area
// now and at every size change, and loading places the window at the
// screen's left edge.
void BindReportWindow(FormWindow& window);

// The window's one text box, txtText.
QPlainTextEdit& ReportTextBox(const FormWindow& window);

}  // namespace sw::ui
