#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include "ui/layout_window.h"

namespace sw::ui::test {

// The texts of the named text boxes, by name.
using FieldSnapshot = QMap<QString, QString>;

FieldSnapshot Snapshot(const LayoutWindow& window, const QStringList& fields);

// Types "name=text" entries into their fields, in order.
void Fill(LayoutWindow& window, const QStringList& assignments);

}  // namespace sw::ui::test
