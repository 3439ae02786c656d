#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include "ui/widgets/form_window.h"

namespace sw::ui::test {

// The texts of the named text boxes, by name.
using FieldSnapshot = QMap<QString, QString>;

FieldSnapshot Snapshot(const FormWindow& window, const QStringList& fields);

// Types "name=text" entries into their fields, in order.
void Fill(FormWindow& window, const QStringList& assignments);

struct PressResult {
  FieldSnapshot before;
  FieldSnapshot after;
};

// Puts an old text into the result field, types the entries and clicks the
// button; the watched fields as they were just before and after the click.
PressResult PressOverOldResult(FormWindow& window, const QStringList& watched,
                               const QString& button, const QStringList& entries,
                               const QString& resultField);

}  // namespace sw::ui::test
