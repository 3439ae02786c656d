#pragma once

#include <QString>

#include "ui/dialogs.h"
#include "ui/form_window.h"
#include "ui/help_texts.h"

namespace sw::ui {

// Connects a Help menu entry to its box: modal, OK only, information icon.
void BindHelpEntry(FormWindow& window, Dialogs& dialogs, const QString& entry,
                   const HelpText& text);

}  // namespace sw::ui
