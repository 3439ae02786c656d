#pragma once

#include <QStringList>

class QWidget;

namespace sw::ui::test {

// Names of the labels and buttons inside `client` whose caption does not fit
// in full in the control, in its own font.
QStringList CutCaptions(const QWidget& client);

}  // namespace sw::ui::test
