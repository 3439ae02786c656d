#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace sw {

struct Utf8Character {
  char32_t codePoint;
  std::size_t length;  // bytes
};

// The character that `text` starts with, in the one form that UTF-8 allows:
// a lead byte, as many continuation bytes as it announces, and a Unicode
// scalar value (no UTF-16 surrogate, none above U+10FFFF) written in the
// fewest bytes that hold it. Nothing for an empty text, a text cut short or
// any other malformed start.
std::optional<Utf8Character> DecodeUtf8(std::string_view text);

}  // namespace sw
