#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>

namespace sw::ui {

// An umbrella on a transparent background: black with a grey shadow at
// 32 x 32, black only at 16 x 16. Needs no QGuiApplication.
QImage DrawUmbrella(int size);
// The umbrella at any size: DrawUmbrella of the size asked for, times the
// device's pixel ratio.
QIcon UmbrellaIcon();
// The 32 x 32 umbrella with its shadow as an SVG document, drawn from the
// same outline, for the icon theme's scalable icon.
QByteArray UmbrellaSvg();

}  // namespace sw::ui
