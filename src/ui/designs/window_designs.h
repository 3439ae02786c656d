#pragma once

#include "ui/designs/window_layout.h"

namespace sw::ui {

// The three windows as designed.
const WindowLayout& LoanWindowDesign();      // frmAPIN
const WindowLayout& DrawDownWindowDesign();  // frmDrawDown
const WindowLayout& ReportWindowDesign();    // frmPrintOutput

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

// The names that the calculators' designs give the menu entries that other
// code reaches by name.
namespace loan_menu {
inline constexpr char kAmortizationTable[] = "mnuAmortTable";
inline constexpr char kGoToDrawDown[] = "mnuGoToUDDC";
inline constexpr char kHowTo[] = "mnuHowTo";
inline constexpr char kAbout[] = "mnuAbout";
}  // namespace loan_menu

namespace drawdown_menu {
inline constexpr char kGoToLoan[] = "mnuGoToFC";
inline constexpr char kWhatIsThis[] = "mnuWhat";
inline constexpr char kAbout[] = "mnuAbout";
}  // namespace drawdown_menu

}  // namespace sw::ui
