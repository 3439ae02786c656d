#pragma once

#include <QRect>

#include "ui/window_layout.h"

namespace sw::ui {

// 1440 twips to the inch at 96 logical dots per inch.
inline constexpr int kTwipsPerPixel = 15;

inline int ToPixels(int twips) {
  return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QRect ToPixels(const TwipsRect& rect) {
  return {ToPixels(rect.left), ToPixels(rect.top), ToPixels(rect.width), ToPixels(rect.height)};
}

}  // namespace sw::ui
