#pragma once

class QWidget;

namespace sw::ui {

// Alt with a letter, digit or sign is meant for an access key; where no
// access key answers, the text box that has the focus types nothing either.
// Keys with Ctrl as well (AltGr on some keyboards) still type.
void TypeNothingOnAltKeys(QWidget& textBox);

}  // namespace sw::ui
