#include <QScreen>

#include "ui/widgets/placement_area.h"

namespace sw::ui {

QRect PlacementArea(const QScreen& screen) { return screen.geometry(); }

}  // namespace sw::ui
