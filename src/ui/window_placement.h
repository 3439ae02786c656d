#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace sw::ui {

// Top-left corner that centres a window of that outer size on the screen;
// a window larger than the screen hangs over both edges by half the excess.
QPoint CentredPosition(const QSize& screen, const QSize& window);

// Moves a window to the centre of its screen.
void CentreOnScreen(QWidget& window);

}  // namespace sw::ui
