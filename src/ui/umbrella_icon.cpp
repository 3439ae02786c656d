#include "ui/umbrella_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace sw::ui {
namespace {

constexpr int kLargeSize = 32;
constexpr int kSmallSize = 16;
const QColor kShadow(128, 128, 128);

// Drawn on a 32-unit grid: a domed canopy with a scalloped hem, a shaft and
// a hooked handle.
QPainterPath UmbrellaShape() {
  QPainterPath canopy;
  canopy.moveTo(2, 15);
  canopy.arcTo(QRectF(2, 3, 26, 24), 180, -180);
  constexpr int kScallops = 4;
  constexpr double kScallopWidth = 26.0 / kScallops;
  for (int i = 0; i < kScallops; ++i) {
    const double right = 28 - i * kScallopWidth;
    canopy.quadTo(right - kScallopWidth / 2, 11.5, right - kScallopWidth, 15);
  }
  canopy.closeSubpath();

  QPainterPath shaft;
  shaft.addRect(14, 14, 2, 12);
  QPainterPath handle;
  handle.moveTo(16, 25);
  handle.arcTo(QRectF(9, 22, 7, 7), 0, -180);
  handle.lineTo(11, 25);
  handle.arcTo(QRectF(11, 24, 3, 3), 180, 180);
  handle.closeSubpath();
  return canopy.united(shaft).united(handle);
}

}  // namespace

QPixmap DrawUmbrella(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(Qt::NoPen);
  painter.scale(size / double(kLargeSize), size / double(kLargeSize));
  const QPainterPath shape = UmbrellaShape();
  if (size >= kLargeSize) {
    painter.setBrush(kShadow);
    painter.drawPath(shape.translated(2, 2));
  }
  painter.setBrush(Qt::black);
  painter.drawPath(shape);
  return pixmap;
}

QIcon UmbrellaIcon() {
  QIcon icon;
  icon.addPixmap(DrawUmbrella(kLargeSize));
  icon.addPixmap(DrawUmbrella(kSmallSize));
  return icon;
}

}  // namespace sw::ui
