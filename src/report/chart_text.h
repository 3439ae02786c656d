#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sw {

// A coordinate to one decimal: finer than any screen or printer needs.
std::string At(double coordinate);

// An SVG <text> element at (x, y) holding `text` escaped, with further
// attributes (each after a blank) given as markup.
std::string SvgText(double x, double y, std::string_view text, std::string_view attributes = "");

// An upper estimate of how wide UTF-8 `text` is drawn at `size` pixels in
// the chart's face: Liberation Sans, or DejaVu Sans where that is missing,
// which is wider. Characters other than digits, letters and the usual
// separators count as one em.
double TextWidth(std::string_view text, double size, bool bold = false);

// `text` in lines no wider than `width` at `size` (bold or not), broken after blanks and
// after each `grouping` separator, so that a long number breaks between its
// groups; the blanks at a break are dropped. A piece wider than `width`
// stands alone on its line.
std::vector<std::string> WrappedLines(std::string_view text, double size, bool bold, double width,
                                      std::string_view grouping);

}  // namespace sw
