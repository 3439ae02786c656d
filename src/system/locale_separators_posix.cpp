#include "system/locale_separators.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <optional>
#include <string_view>

#include "numeric/utf8.h"

namespace sw {
namespace {

// The first of the variables that is set and not empty names the locale.
const char* NumericLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return "C";
}

// The one character of a locale string in the locale's own character set,
// or nothing when the string is empty, longer or cannot be told.
std::optional<char32_t> SingleCharacter(std::string_view text, std::string_view codeset) {
  if (text.empty()) return std::nullopt;
  if (codeset == "UTF-8") {
    const auto c = DecodeUtf8(text);
    if (!c || c->length != text.size()) return std::nullopt;
    return c->codePoint;
  }
  if (text.size() != 1) return std::nullopt;
  const auto byte = static_cast<unsigned char>(text.front());
  if (byte < 0x80 || codeset == "ISO-8859-1") return byte;
  if (byte == 0xA0 && codeset.starts_with("ISO-8859-")) return U'\u00A0';
  return std::nullopt;
}

}  // namespace

Separators UserLocaleSeparators() {
  // The character set comes with LC_CTYPE, so both are read from one name.
  const locale_t locale = newlocale(LC_NUMERIC_MASK | LC_CTYPE_MASK, NumericLocaleName(), nullptr);
  if (locale == nullptr) return {};
  const std::string_view codeset = nl_langinfo_l(CODESET, locale);
  const auto grouping = SingleCharacter(nl_langinfo_l(THOUSEP, locale), codeset);
  const auto decimal = SingleCharacter(nl_langinfo_l(RADIXCHAR, locale), codeset);
  freelocale(locale);
  if (!grouping || !decimal) return {};
  return SeparatorsFor(*grouping, *decimal);
}

}  // namespace sw
