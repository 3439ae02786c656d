#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace sw::ui {

// Top-left corner that centres a window of that outer size on the screen;
// a window larger than the screen hangs over both edges by half the excess.
QPoint CentredPosition(const QSize& screen, const QSize& window);

// Moves a window to the centre of its screen's PlacementArea, by its outer frame: where a
// window manager adds the frame only once the window is shown, the window is
// moved once more when the frame becomes known.
void CentreOnScreen(QWidget& window);

// Top-left corner of a window of that outer size standing 10 twips (at `dpi`,
// as the window's layout) from the screen's left edge and centred
// vertically, hanging over the top and bottom edges by half the excess when
// it is taller than the screen.
QPoint LeftEdgePosition(const QSize& screen, const QSize& window, int dpi);

// Moves a window to its LeftEdgePosition on its screen, by its outer frame
// as CentreOnScreen does.
void PlaceAtLeftEdge(QWidget& window);

}  // namespace sw::ui
