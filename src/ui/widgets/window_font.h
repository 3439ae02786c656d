#pragma once

#include <QFont>
#include <QString>

#include "ui/designs/window_layout.h"

namespace sw::ui {

// Stand in, in this order, for a design's face where it cannot be drawn:
// "Microsoft Sans Serif" is the scalable successor of the classic sans
// serif that every Windows has, "Liberation Sans" has the same widths
// elsewhere, so every caption still fits its box.
inline constexpr const char* kSubstituteFaces[] = {"Microsoft Sans Serif", "Liberation Sans"};
inline constexpr const char* kSubstituteFace = kSubstituteFaces[1];

// The installed face that a design's font is drawn with on a screen of that
// device pixel ratio: the design's own, unless it is missing, or drawn from
// bitmaps whose sizes a scaled screen does not have.
QString ResolveFontFace(const FontSpec& font, qreal devicePixelRatio);

QFont MakeFont(const FontSpec& font, qreal devicePixelRatio);

}  // namespace sw::ui
