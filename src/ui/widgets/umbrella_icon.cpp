#include "ui/widgets/umbrella_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace sw::ui {
namespace {

constexpr int kLargeSize = 32;
constexpr int kSmallSize = 16;
const QColor kShadow(128, 128, 128);

// Drawn on a 32-unit grid: a domed canopy with a scalloped hem, a shaft and
// a hooked handle.
QPainterPath OutlineUmbrella() {
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

// Uniting the parts costs more than painting them at every size the window
// system asks for, so it is done once.
const QPainterPath& UmbrellaShape() {
  static const QPainterPath shape = OutlineUmbrella();
  return shape;
}

}  // namespace

QImage DrawUmbrella(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setPen(Qt::NoPen);
  painter.scale(size / double(kLargeSize), size / double(kLargeSize));
  const QPainterPath& shape = UmbrellaShape();
  if (size >= kLargeSize) {
    painter.setBrush(kShadow);
    painter.drawPath(shape.translated(2, 2));
  }
  painter.setBrush(Qt::black);
  painter.drawPath(shape);
  painter.end();
  return image;
}

namespace {

// Draws the umbrella afresh at whatever size is asked for, so that a title
// bar or task bar at a high scale gets a sharp image rather than an enlarged
// 32 x 32 one.
class UmbrellaEngine final : public QIconEngine {
 public:
  QIconEngine* clone() const override { return new UmbrellaEngine; }

  QString key() const override { return QStringLiteral("sumwright-umbrella"); }

  QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
    // The window system takes these sizes for a window's icon.
    return {{kSmallSize, kSmallSize}, {kLargeSize, kLargeSize}, {64, 64}, {128, 128}};
  }

  QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
    const int side = std::min(size.width(), size.height());
    return {side, side};
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }

  // `size` is in the device's pixels already.
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/,
                       qreal /*scale*/) override {
    return QPixmap::fromImage(DrawUmbrella(std::max(std::min(size.width(), size.height()), 1)));
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal scale = painter->device()->devicePixelRatio();
    painter->drawPixmap(rect, scaledPixmap(rect.size() * scale, mode, state, scale));
  }
};

}  // namespace

QIcon UmbrellaIcon() { return QIcon(new UmbrellaEngine); }

namespace {

QString SvgNumber(qreal value) { return QString::number(value, 'g', 6); }

// The path's outline in SVG's path syntax; the shape holds only lines and
// cubic curves.
QString SvgPathData(const QPainterPath& path) {
  QString data;
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    const QString point = SvgNumber(e.x) + ' ' + SvgNumber(e.y);
    if (e.isMoveTo()) {
      data += QStringLiteral("M") + point;
    } else if (e.isLineTo()) {
      data += QStringLiteral("L") + point;
    } else if (e.isCurveTo()) {
      data += QStringLiteral("C") + point;
    } else {
      data += ' ' + point;
    }
  }
  return data + 'Z';
}

QString SvgPath(const QPainterPath& path, const QColor& colour, const char* transform) {
  const char* rule = path.fillRule() == Qt::OddEvenFill ? "evenodd" : "nonzero";
  return QStringLiteral("  <path fill=\"%1\" fill-rule=\"%2\"%3 d=\"%4\"/>\n")
      .arg(colour.name(), rule, transform, SvgPathData(path));
}

}  // namespace

QByteArray UmbrellaSvg() {
  const QPainterPath& shape = UmbrellaShape();
  const QString svg = QStringLiteral(
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                          "viewBox=\"0 0 %1 %1\">\n")
                          .arg(kLargeSize) +
                      SvgPath(shape, kShadow, " transform=\"translate(2 2)\"") +
                      SvgPath(shape, Qt::black, "") + QStringLiteral("</svg>\n");
  return svg.toUtf8();
}

}  // namespace sw::ui
