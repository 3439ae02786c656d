#pragma once

#include <string>

namespace sw {

// The grouping separator and decimal point that numbers are written and
// read with. Each is one character of Latin-1, held as UTF-8 like every
// other text, so that a report file holds it as a single byte.
struct Separators {
  std::string grouping = ",";
  std::string decimal = ".";

  bool operator==(const Separators&) const = default;

  // A no-break space or a plain space: typed input may then group with a
  // plain space between digits.
  bool groupsWithSpace() const;
};

// The pair for a locale's two characters, given as code points. A space or
// apostrophe outside Latin-1 becomes its Latin-1 look-alike (narrow and thin
// spaces a no-break space, a right single quotation mark "'"). A pair that
// could not be written or read back unambiguously (a character still outside
// Latin-1, a digit, a sign, "e", "$", two equal characters, a space as the
// decimal point) gives the default "," and ".".
Separators SeparatorsFor(char32_t grouping, char32_t decimal);

}  // namespace sw
