#pragma once

#include <QFont>
#include <QString>

#include "ui/designs/window_layout.h"

namespace sw::ui {

// Stands in for a design's face where it is not installed: "Liberation Sans"
// has the widths of the classic sans serif faces, so every caption still
// fits its box.
inline constexpr char kSubstituteFace[] = "Liberation Sans";

// The installed face that a design's font is drawn with.
QString ResolveFontFace(const FontSpec& font);

QFont MakeFont(const FontSpec& font);

}  // namespace sw::ui
