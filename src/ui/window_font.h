#pragma once

#include <QFont>
#include <QString>

#include "ui/window_layout.h"

namespace sw::ui {

// Stands in for a design's face where it is not installed: "Liberation Sans"
// has the widths of the classic sans serif faces, so every caption still
// fits its box.
inline constexpr char kSubstituteFace[] = "Liberation Sans";

// The installed face that a design's font is drawn with.
QString ResolveFontFace(const FontSpec& font);

QFont MakeFont(const FontSpec& font);

// Menus and message boxes are drawn in the application's default face. Where
// the font configuration resolves that face to a monospace one (as it does on
// a machine whose only fonts are the Liberation faces), the stand-in face
// takes its place; a proportional default is left as the desktop chose it.
void KeepDefaultFaceProportional();

}  // namespace sw::ui
