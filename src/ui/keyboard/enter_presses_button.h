#pragma once

class QPushButton;

namespace sw::ui {

// Enter or Return pressed while the button has the focus presses it, as
// Space does. The button stays neither default nor cancel button, so Enter
// in a text box still starts nothing.
void PressOnEnter(QPushButton& button);

}  // namespace sw::ui
