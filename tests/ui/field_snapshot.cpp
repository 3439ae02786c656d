#include "field_snapshot.h"

#include "app_fixture.h"

namespace sw::ui::test {

FieldSnapshot Snapshot(const FormWindow& window, const QStringList& fields) {
  FieldSnapshot snapshot;
  for (const QString& field : fields) snapshot.insert(field, window.text(field));
  return snapshot;
}

void Fill(FormWindow& window, const QStringList& assignments) {
  for (const QString& assignment : assignments) {
    const qsizetype split = assignment.indexOf('=');
    Type(window, assignment.left(split), assignment.mid(split + 1));
  }
}

PressResult PressOverOldResult(FormWindow& window, const QStringList& watched,
                               const QString& button, const QStringList& entries,
                               const QString& resultField) {
  Type(window, resultField, "old result");
  Fill(window, entries);
  PressResult press{Snapshot(window, watched), {}};
  Click(window, button);
  press.after = Snapshot(window, watched);
  return press;
}

}  // namespace sw::ui::test
