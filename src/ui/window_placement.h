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

// Top-left corner of a window of that outer size standing 10 twips from the
// screen's left edge and centred vertically, hanging over the top and bottom
// edges by half the excess when it is taller than the screen.
QPoint LeftEdgePosition(const QSize& screen, const QSize& window);

// Moves a window to its LeftEdgePosition on its screen.
void PlaceAtLeftEdge(QWidget& window);

}  // namespace sw::ui
