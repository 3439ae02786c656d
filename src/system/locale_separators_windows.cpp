#include <windows.h>

#include <array>
#include <optional>

#include "system/locale_separators.h"

namespace sw {
namespace {

// The one character of a locale setting, or nothing when it is empty,
// longer, or outside the Basic Multilingual Plane (length counts the
// terminating null).
std::optional<char32_t> SingleCharacter(LCTYPE setting) {
  std::array<wchar_t, 8> text{};
  const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, setting, text.data(),
                                     static_cast<int>(text.size()));
  if (length != 2 || (text[0] >= 0xD800 && text[0] <= 0xDFFF)) return std::nullopt;
  return text[0];
}

}  // namespace

Separators UserLocaleSeparators() {
  const auto grouping = SingleCharacter(LOCALE_STHOUSAND);
  const auto decimal = SingleCharacter(LOCALE_SDECIMAL);
  if (!grouping || !decimal) return {};
  return SeparatorsFor(*grouping, *decimal);
}

}  // namespace sw
