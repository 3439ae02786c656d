#pragma once

#include <QProxyStyle>

namespace sw::ui {

// The application's style, except that the menu bar's overflow button reads
// its image only when the button is first drawn. Every menu bar makes that
// button, which is shown only when the menu titles do not fit; reading the
// image on the spot loads each of the toolkit's image-format plugins before
// the first window can show.
class DeferredIconStyle final : public QProxyStyle {
  Q_OBJECT

 public:
  // Takes `base` over, as QProxyStyle does.
  explicit DeferredIconStyle(QStyle* base) : QProxyStyle(base) {}

  QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace sw::ui
