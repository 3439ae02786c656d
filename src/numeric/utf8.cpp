#include "numeric/utf8.h"

namespace sw {

std::optional<Utf8Character> DecodeUtf8(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const auto lead = static_cast<unsigned char>(text.front());
  const std::size_t length = lead < 0x80   ? 1
                             : lead < 0xC2 ? 0
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF5 ? 4
                                           : 0;
  if (length == 0 || text.size() < length) return std::nullopt;
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (const char byte : text.substr(1, length - 1)) {
    if ((byte & 0xC0) != 0x80) return std::nullopt;  // not a continuation byte
    c = (c << 6) | (byte & 0x3F);
  }
  return Utf8Character{c, length};
}

}  // namespace sw
