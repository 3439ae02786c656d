#include "ui/widgets/window_placement.h"

#include <QEvent>
#include <QLayout>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <utility>

#include "ui/designs/twips.h"
#include "ui/widgets/placement_area.h"

namespace sw::ui {

QPoint CentredPosition(const QSize& screen, const QSize& window) {
  const double top = (screen.height() - window.height()) / 2.0;
  const double left = (screen.width() - window.width()) / 2.0;
  return {qRound(left), qRound(top)};
}

namespace {

using Position = std::function<QPoint(const QSize&, const QSize&)>;

// Where the corner of a frame of that size goes on the screen.
QPoint FrameCorner(const QScreen& screen, const Position& position, const QSize& frame) {
  const QRect area = PlacementArea(screen);
  return area.topLeft() + position(area.size(), frame);
}

// The outer size is known once the layout has sized the window.
void MoveBy(QWidget& window, const Position& position) {
  if (QLayout* layout = window.layout()) layout->activate();
  window.move(FrameCorner(*window.screen(), position, window.frameGeometry().size()));
}

// While a window manager is still framing a window, the frame reported can
// be the frame's first tiny size, smaller than the window inside it; only a
// frame that encloses the window is its real one. The window system's own
// report is read, since the widget's copy of the frame can lag behind it.
bool FrameKnown(const QWindow& window) {
  const QRect frame = window.frameGeometry();
  return frame != window.geometry() && frame.contains(window.geometry());
}

// Moves the frame's corner itself, so that the offset of the window inside
// the frame, which may still be changing, does not matter.
void MoveFrameBy(QWindow& window, const Position& position) {
  window.setFramePosition(FrameCorner(*window.screen(), position, window.frameGeometry().size()));
}

bool Reframes(const QEvent& event) {
  return event.type() == QEvent::Expose || event.type() == QEvent::Move ||
         event.type() == QEvent::Resize;
}

// A window manager reports the frame it puts around a window only once the
// window is on screen; until then the outer size is taken to be the client
// size. Places the window again by its real frame, once, as soon as that
// frame is known: the window manager has placed it by then, and the user
// cannot have moved it yet. Without a window manager the frame never
// appears, and the first placement stands.
class PlaceAgainByFrame final : public QObject {
 public:
  PlaceAgainByFrame(QWindow& window, Position position)
      : QObject(&window), window_(window), position_(std::move(position)) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (Reframes(*event) && FrameKnown(window_)) {
      MoveFrameBy(window_, position_);
      stop();
    } else if (event->type() == QEvent::Hide) {
      stop();
    }
    return false;
  }

 private:
  void stop() {
    window_.removeEventFilter(this);
    deleteLater();
  }

  QWindow& window_;
  Position position_;
};

void Place(QWidget& window, const Position& position) {
  MoveBy(window, position);
  QWindow* handle = window.windowHandle();
  if (handle != nullptr && !FrameKnown(*handle)) new PlaceAgainByFrame(*handle, position);
}

}  // namespace

void CentreOnScreen(QWidget& window) { Place(window, CentredPosition); }

QPoint LeftEdgePosition(const QSize& screen, const QSize& window, int dpi) {
  constexpr int kLeftTwips = 10;
  return {ToPixels(kLeftTwips, dpi), CentredPosition(screen, window).y()};
}

void PlaceAtLeftEdge(QWidget& window) {
  const int dpi = window.logicalDpiY();
  Place(window, [dpi](const QSize& screen, const QSize& frame) {
    return LeftEdgePosition(screen, frame, dpi);
  });
}

}  // namespace sw::ui
