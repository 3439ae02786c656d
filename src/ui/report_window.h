#pragma once

#include "ui/form_window.h"

class QPlainTextEdit;

namespace sw::ui {

// The names that the report window's design gives it, its text box and its
// menu entries, for the design and the handlers.
namespace report_window {
inline constexpr char kName[] = "frmPrintOutput";
inline constexpr char kText[] = "txtText";
inline constexpr char kPrint[] = "mnuPrint";
inline constexpr char kSave[] = "mnuSave";
inline constexpr char kSaveAs[] = "mnuSaveAs";
inline constexpr char kAppend[] = "mnuAppend";
inline constexpr char kAppendTo[] = "mnuAppendTo";
}  // namespace report_window

// Binds a freshly built frmPrintOutput: its text box fills the client area
// now and at every size change, and loading places the window at the
// screen's left edge.
void BindReportWindow(FormWindow& window);

// The window's one text box, txtText.
QPlainTextEdit& ReportTextBox(const FormWindow& window);

}  // namespace sw::ui
