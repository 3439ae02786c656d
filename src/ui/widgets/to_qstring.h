#pragma once

#include <QString>
#include <string_view>

namespace sw::ui {

// The core's UTF-8 text as Qt holds it.
inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace sw::ui
