#include "numeric/separators.h"

#include <algorithm>
#include <array>

namespace sw {
namespace {

constexpr char32_t kNoBreakSpace = U'\u00A0';

char32_t NearestLatin1(char32_t c) {
  constexpr std::array<char32_t, 6> kSpaces{U'\u2007', U'\u2008', U'\u2009',
                                            U'\u200A', U'\u202F', U'\u205F'};
  constexpr std::array<char32_t, 4> kApostrophes{U'\u2018', U'\u2019', U'\u02BC', U'\u2032'};
  if (std::ranges::find(kSpaces, c) != kSpaces.end()) return kNoBreakSpace;
  if (std::ranges::find(kApostrophes, c) != kApostrophes.end()) return U'\'';
  return c;
}

bool IsSpace(char32_t c) { return c == U' ' || c == kNoBreakSpace; }

// A character that is printable Latin-1 and means nothing else in a number.
bool CanSeparate(char32_t c) {
  const bool printable = (c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c <= 0xFF);
  const bool digit = c >= U'0' && c <= U'9';
  return printable && !digit && c != U'+' && c != U'-' && c != U'e' && c != U'E' && c != U'$';
}

std::string Utf8(char32_t latin1) {
  if (latin1 < 0x80) return std::string(1, static_cast<char>(latin1));
  return {static_cast<char>(0xC0 | (latin1 >> 6)), static_cast<char>(0x80 | (latin1 & 0x3F))};
}

}  // namespace

bool Separators::groupsWithSpace() const { return grouping == " " || grouping == "\u00A0"; }

Separators SeparatorsFor(char32_t grouping, char32_t decimal) {
  grouping = NearestLatin1(grouping);
  decimal = NearestLatin1(decimal);
  if (!CanSeparate(grouping) || !CanSeparate(decimal) || grouping == decimal || IsSpace(decimal)) {
    return {};
  }
  return {Utf8(grouping), Utf8(decimal)};
}

}  // namespace sw
