#include "ui/deferred_icon_style.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>

namespace sw::ui {
namespace {

// Asks the style for the icon the first time a size, a pixmap or a paint
// is wanted, and answers from it after.
class DeferredStandardIcon final : public QIconEngine {
 public:
  DeferredStandardIcon(const QStyle& style, QStyle::StandardPixmap which)
      : style_(const_cast<QStyle*>(&style)), which_(which) {}

  QIconEngine* clone() const override { return new DeferredStandardIcon(*this); }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return icon().availableSizes(mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().actualSize(size, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    return icon().pixmap(size / scale, scale, mode, state);
  }
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }

 private:
  const QIcon& icon() {
    if (icon_.isNull() && style_ != nullptr) icon_ = style_->standardIcon(which_);
    return icon_;
  }

  QPointer<QStyle> style_;
  QStyle::StandardPixmap which_;
  QIcon icon_;
};

}  // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                      const QWidget* widget) const {
  if (which == SP_ToolBarHorizontalExtensionButton) {
    return QIcon(new DeferredStandardIcon(*baseStyle(), which));
  }
  return QProxyStyle::standardIcon(which, option, widget);
}

}  // namespace sw::ui
