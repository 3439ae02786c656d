#include "ui/windows/window_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace sw::ui {

QString ResolveFontFace(const FontSpec& font) {
  const QString face = QString::fromStdString(font.face);
  const QStringList installed = QFontDatabase::families();
  if (installed.contains(face, Qt::CaseInsensitive)) return face;
  return kSubstituteFace;
}

QFont MakeFont(const FontSpec& font) {
  QFont result(ResolveFontFace(font));
  result.setStyleHint(QFont::SansSerif);
  result.setPointSizeF(font.points);
  result.setBold(font.bold);
  return result;
}

}  // namespace sw::ui
