#include "ui/window_placement.h"

#include <QLayout>
#include <QScreen>
#include <QWidget>

#include "ui/twips.h"

namespace sw::ui {

QPoint CentredPosition(const QSize& screen, const QSize& window) {
  const double top = (screen.height() - window.height()) / 2.0;
  const double left = (screen.width() - window.width()) / 2.0;
  return {qRound(left), qRound(top)};
}

namespace {

// The outer size is known once the layout has sized the window.
void MoveBy(QWidget& window, QPoint (*position)(const QSize&, const QSize&)) {
  if (QLayout* layout = window.layout()) layout->activate();
  const QRect screen = window.screen()->geometry();
  window.move(screen.topLeft() + position(screen.size(), window.frameGeometry().size()));
}

}  // namespace

void CentreOnScreen(QWidget& window) { MoveBy(window, CentredPosition); }

QPoint LeftEdgePosition(const QSize& screen, const QSize& window) {
  constexpr int kLeftTwips = 10;
  return {ToPixels(kLeftTwips), CentredPosition(screen, window).y()};
}

void PlaceAtLeftEdge(QWidget& window) { MoveBy(window, LeftEdgePosition); }

}  // namespace sw::ui
