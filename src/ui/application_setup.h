#pragma once

namespace sw::ui {

// Readies the running QApplication for the calculator's windows, before the
// first of them is shown: the application's identity on the desktop, an end
// that the calculator decides, menus in their windows, the style and default
// face the designs are drawn in, and the umbrella for windows without an
// icon of their own.
void ConfigureApplication();

}  // namespace sw::ui
