#pragma once

#include <QString>

#include "ui/dialogs.h"
#include "ui/help_texts.h"
#include "ui/layout_window.h"

namespace sw::ui {

// Connects a Help menu entry to its box: modal, OK only, information icon.
void BindHelpEntry(LayoutWindow& window, Dialogs& dialogs, const QString& entry,
                   const HelpText& text);

}  // namespace sw::ui
