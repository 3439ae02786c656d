#include "numeric/utf8.h"

namespace sw {
namespace {

// Length of the sequence that starts with `lead`, or 0 if `lead` cannot
// start one.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

}  // namespace

std::optional<Utf8Character> DecodeUtf8(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const auto lead = static_cast<unsigned char>(text.front());
  const std::size_t length = SequenceLength(lead);
  if (length == 0 || text.size() < length) return std::nullopt;
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (const char byte : text.substr(1, length - 1)) {
    if (!IsContinuation(static_cast<unsigned char>(byte))) return std::nullopt;
    c = (c << 6) | (static_cast<unsigned char>(byte) & 0x3F);
  }
  return Utf8Character{c, length};
}

}  // namespace sw
