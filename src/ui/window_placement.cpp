#include "ui/window_placement.h"

#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include "ui/twips.h"

namespace sw::ui {

QPoint CentredPosition(const QSize& screen, const QSize& window) {
  const double top = (screen.height() - window.height()) / 2.0;
  const double left = (screen.width() - window.width()) / 2.0;
  return {qRound(left), qRound(top)};
}

namespace {

using Position = QPoint (*)(const QSize&, const QSize&);

// The outer size is known once the layout has sized the window.
void MoveBy(QWidget& window, Position position) {
  if (QLayout* layout = window.layout()) layout->activate();
  const QRect screen = window.screen()->geometry();
  window.move(screen.topLeft() + position(screen.size(), window.frameGeometry().size()));
}

bool FrameKnown(const QWidget& window) { return window.frameGeometry() != window.geometry(); }

// A window manager reports the frame it puts around a window only once the
// window is on screen; until then the outer size is taken to be the client
// size. Places the window again by its real frame, once, when it is first
// drawn with its frame: the window manager has placed it by then, and the
// user cannot have moved it yet. Without a window manager
// the frame never appears, and the first placement stands.
class PlaceAgainByFrame final : public QObject {
 public:
  PlaceAgainByFrame(QWidget& window, Position position)
      : QObject(&window), window_(window), position_(position) {
    window.windowHandle()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && FrameKnown(window_)) {
      MoveBy(window_, position_);
      stop(watched);
    } else if (event->type() == QEvent::Hide) {
      stop(watched);
    }
    return false;
  }

 private:
  void stop(QObject* watched) {
    watched->removeEventFilter(this);
    deleteLater();
  }

  QWidget& window_;
  Position position_;
};

void Place(QWidget& window, Position position) {
  MoveBy(window, position);
  if (!FrameKnown(window) && window.windowHandle() != nullptr) {
    new PlaceAgainByFrame(window, position);
  }
}

}  // namespace

void CentreOnScreen(QWidget& window) { Place(window, CentredPosition); }

QPoint LeftEdgePosition(const QSize& screen, const QSize& window) {
  constexpr int kLeftTwips = 10;
  return {ToPixels(kLeftTwips), CentredPosition(screen, window).y()};
}

void PlaceAtLeftEdge(QWidget& window) { Place(window, LeftEdgePosition); }

}  // namespace sw::ui
