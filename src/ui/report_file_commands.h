#pragma once

#include "ui/dialogs.h"
#include "ui/form_window.h"

namespace sw::ui {

// Runs the report window's "&Save", "Save As...", "Append" or "Append To...".
// The file name chosen in any of their dialogs is remembered for "&Save" and
// "Append" until the window is unloaded.
//
// A cancelled dialog ends a command quietly. Any other failure is shown in
// a message box naming the file and the system's reason, and leaves the
// file as it was: saving replaces the file only once the new content is
// written in full, and a failed append cuts the file back to its old size.
void RunReportFileCommand(FormWindow& report, Dialogs& dialogs, MenuCommand command);

// The message box title and prompt of a failed file command.
inline constexpr char kFileFailureTitle[] = "Sumwright";
QString SaveFailurePrompt(const QString& fileName, const QString& reason);
QString AppendFailurePrompt(const QString& fileName, const QString& reason);

}  // namespace sw::ui
