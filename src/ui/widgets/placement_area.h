#pragma once

#include <QRect>

class QScreen;

namespace sw::ui {

// The part of a screen that windows are placed in: on Linux the whole
// screen, on Windows its work area, which leaves out the task bar.
QRect PlacementArea(const QScreen& screen);

}  // namespace sw::ui
