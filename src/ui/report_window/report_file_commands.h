#pragma once

#include "ui/widgets/dialogs.h"
#include "ui/widgets/form_window.h"

namespace sw::ui {

// Runs the report window's "&Save", "Save As...", "Append" or "Append To...";
// true when the text was written. The file name chosen in any of their
// dialogs is remembered for "&Save" and "Append" until the window is
// unloaded. A name chosen in the dialog of "&Save" or "Save As..." that
// names an existing file is taken only once the user agrees to replace that
// file.
//
// A cancelled dialog ends a command quietly. Any other failure is shown in
// a message box naming the file and the system's reason, and leaves the
// file as it was: saving replaces the file only once the new content is
// written in full, and a failed append cuts the file back to its old size.
bool RunReportFileCommand(FormWindow& report, Dialogs& dialogs, MenuCommand command);

// Closing the report window while its text holds changes that were not
// written to a file since the text was set asks whether to save them first.
void AskToSaveChangesOnClose(FormWindow& report, Dialogs& dialogs);

}  // namespace sw::ui
