#pragma once

#include <QRect>

#include "ui/designs/window_layout.h"

namespace sw::ui {

// 1440 twips to the inch, converted at `dpi`, the logical resolution that
// the window's fonts are sized at, so that controls grow with their text. At
// 96 dots per inch a pixel is 15 twips.
inline int ToPixels(int twips, int dpi) { return qRound(twips * dpi / 1440.0); }

inline QRect ToPixels(const TwipsRect& rect, int dpi) {
  return {ToPixels(rect.left, dpi), ToPixels(rect.top, dpi), ToPixels(rect.width, dpi),
          ToPixels(rect.height, dpi)};
}

}  // namespace sw::ui
