#include "ui/window_placement.h"

#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace sw::ui {

QPoint CentredPosition(const QSize& screen, const QSize& window) {
  const double top = (screen.height() - window.height()) / 2.0;
  const double left = (screen.width() - window.width()) / 2.0;
  return {qRound(left), qRound(top)};
}

void CentreOnScreen(QWidget& window) {
  if (QLayout* layout = window.layout()) layout->activate();
  const QRect screen = window.screen()->geometry();
  window.move(screen.topLeft() + CentredPosition(screen.size(), window.frameGeometry().size()));
}

}  // namespace sw::ui
