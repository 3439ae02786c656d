#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace sw {

struct Utf8Character {
  char32_t codePoint;
  std::size_t length;  // bytes
};

// The character that `text` starts with: a lead byte that can start a
// sequence (0x00-0x7F, 0xC2-0xF4) and as many continuation bytes as it
// announces. Nothing for an empty text or a malformed start. Longer forms
// of a character than needed are not refused.
std::optional<Utf8Character> DecodeUtf8(std::string_view text);

}  // namespace sw
