#pragma once

#include "calculations/field_calculations.h"
#include "numeric/separators.h"
#include "ui/widgets/dialogs.h"
#include "ui/widgets/form_window.h"

namespace sw::ui {

// Connects the click of the calculation's button: it reads the input text
// boxes in order and writes the result text box, or shows the failure
// message. Writing the result is the last step, so a failure leaves every
// field as it was. Numbers are read and written with `separators`. The
// calculation must outlive the window.
void BindCalculateButton(FormWindow& window, Dialogs& dialogs, const FieldCalculation& calculation,
                         const Separators& separators);

// Binds every calculation of the catalogue that belongs to the window.
void BindCalculateButtons(FormWindow& window, Dialogs& dialogs, const Separators& separators);

}  // namespace sw::ui
