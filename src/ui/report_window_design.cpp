#include "ui/window_designs.h"

namespace sw::ui {
namespace {

WindowLayout MakeDesign() {
  return {
      .name = "frmPrintOutput",
      .caption = "Trajectory Results",
      .clientWidth = 4230,
      .clientHeight = 5280,
      .border = Border::Sizable,
      .maximizeButton = true,
      .minimizeButton = true,
      .background = Rgb{255, 255, 255},
      .font = {"MS Sans Serif", 9.75, false},
      .controls =
          {
              {.name = "txtText", .kind = ControlKind::TextBox, .rect = {0, 360, 4212, 4932},
               .tabIndex = 0, .accessibleName = "Report text", .multiLine = true},
              {.name = "CommonDialog1", .kind = ControlKind::FileDialog,
               .caption = "Save Drop Table As...", .fileFilter = "*.txt"},
          },
      .menuBar =
          {
              {"mnuFile", "&File",
               {{"mnuPrint", "&Print", {}},
                {"mnuseparate1", "-", {}},
                {"mnuSave", "&Save", {}},
                {"mnuSaveAs", "Save As...", {}},
                {"mnuseparate2", "-", {}},
                {"mnuAppend", "Append", {}},
                {"mnuAppendTo", "Append To...", {}}}},
          },
  };
}

}  // namespace

const WindowLayout& ReportWindowDesign() {
  static const WindowLayout design = MakeDesign();
  return design;
}

}  // namespace sw::ui
