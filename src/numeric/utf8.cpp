#include "numeric/utf8.h"

namespace sw {
namespace {

// The bytes that a lead byte announces; 0 for a continuation byte or
// 0xF8-0xFF. The value read decides the rest (0xC0, 0xC1 and 0xF5-0xF7 only
// begin forms that are too long or too large).
std::size_t AnnouncedLength(unsigned char lead) {
  return lead < 0x80   ? 1
         : lead < 0xC0 ? 0
         : lead < 0xE0 ? 2
         : lead < 0xF0 ? 3
         : lead < 0xF8 ? 4
                       : 0;
}

bool IsShortestScalarValue(char32_t c, std::size_t length) {
  constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  return c >= kSmallest[length] && (c < 0xD800 || c > 0xDFFF) && c <= 0x10FFFF;
}

}  // namespace

std::optional<Utf8Character> DecodeUtf8(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const auto lead = static_cast<unsigned char>(text.front());
  const std::size_t length = AnnouncedLength(lead);
  if (length == 0 || text.size() < length) return std::nullopt;
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (const char byte : text.substr(1, length - 1)) {
    if ((byte & 0xC0) != 0x80) return std::nullopt;  // not a continuation byte
    c = (c << 6) | (byte & 0x3F);
  }
  if (!IsShortestScalarValue(c, length)) return std::nullopt;
  return Utf8Character{c, length};
}

}  // namespace sw
