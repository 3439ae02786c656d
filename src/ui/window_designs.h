#pragma once

#include "ui/window_layout.h"

namespace sw::ui {

// The three windows as designed.
const WindowLayout& LoanWindowDesign();      // frmAPIN
const WindowLayout& DrawDownWindowDesign();  // frmDrawDown
const WindowLayout& ReportWindowDesign();    // frmPrintOutput

}  // namespace sw::ui
