#pragma once

#include <QIcon>
#include <QPixmap>

namespace sw::ui {

// An umbrella on a transparent background: black with a grey shadow at
// 32 x 32, black only at 16 x 16.
QPixmap DrawUmbrella(int size);
QIcon UmbrellaIcon();

}  // namespace sw::ui
