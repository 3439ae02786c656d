#include "ui/widgets/window_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace sw::ui {

QString ResolveFontFace(const FontSpec& font, qreal devicePixelRatio) {
  const QString face = QString::fromStdString(font.face);
  const QStringList installed = QFontDatabase::families();
  const bool drawable = devicePixelRatio == 1.0 || QFontDatabase::isSmoothlyScalable(face);
  if (drawable && installed.contains(face, Qt::CaseInsensitive)) return face;
  for (const char* substitute : kSubstituteFaces) {
    if (installed.contains(substitute, Qt::CaseInsensitive)) return substitute;
  }
  return kSubstituteFace;
}

QFont MakeFont(const FontSpec& font, qreal devicePixelRatio) {
  QFont result(ResolveFontFace(font, devicePixelRatio));
  result.setStyleHint(QFont::SansSerif);
  result.setPointSizeF(font.points);
  result.setBold(font.bold);
  return result;
}

}  // namespace sw::ui
