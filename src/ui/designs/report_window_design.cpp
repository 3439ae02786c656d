#include "ui/designs/window_designs.h"

namespace sw::ui {
namespace {

WindowLayout MakeDesign() {
  return {
      .name = report_window::kName,
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
              {.name = report_window::kText,
               .kind = ControlKind::TextBox,
               .rect = {0, 360, 4212, 4932},
               .tabIndex = 0,
               .accessibleName = "Report text",
               .multiLine = true},
          },
      .menuBar =
          {
              {"mnuFile",
               "&File",
               {{report_window::kPrint, "&Print", {}},
                {"mnuseparate1", "-", {}},
                {report_window::kSave, "&Save", {}, MenuCommand::Save},
                {report_window::kSaveAs, "Save As...", {}, MenuCommand::SaveAs},
                {"mnuseparate2", "-", {}},
                {report_window::kAppend, "Append", {}, MenuCommand::Append},
                {report_window::kAppendTo, "Append To...", {}, MenuCommand::AppendTo}}},
          },
  };
}

}  // namespace

const WindowLayout& ReportWindowDesign() {
  static const WindowLayout design = MakeDesign();
  return design;
}

}  // namespace sw::ui
