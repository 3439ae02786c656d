#include "report/chart_text.h"

#include <array>
#include <charconv>

#include "numeric/utf8.h"
#include "report/markup_text.h"

namespace sw {
namespace {

// Regular widths in ems, the larger of the two faces'.
double Ems(char32_t c) {
  if (c >= U'0' && c <= U'9') return 0.64;
  switch (c) {
    case U' ':
    case U'\u00A0':
    case U',':
    case U'.':
    case U'\'':
    case U'i':
    case U'l':
      return 0.32;
    case U'w':
      return 0.82;
    default:
      break;
  }
  if (c >= U'a' && c <= U'z' && c != U'm') return 0.64;
  if (c >= U'A' && c <= U'Z' && c != U'M' && c != U'W') return 0.79;
  return 1.0;
}

// Bold is at most a tenth wider in either face.
constexpr double kBoldWidening = 1.1;

// The length of the piece of `text` up to and including the next blank or
// grouping separator, or of the rest of `text`.
std::size_t PieceLength(std::string_view text, std::string_view grouping) {
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] == ' ') return at + 1;
    if (!grouping.empty() && text.substr(at).starts_with(grouping)) return at + grouping.size();
  }
  return text.size();
}

std::string WithoutTrailingBlanks(std::string line) {
  while (line.ends_with(' ')) line.pop_back();
  return line;
}

}  // namespace

std::string At(double coordinate) {
  std::array<char, 32> buffer{};
  const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), coordinate,
                                 std::chars_format::fixed, 1)
                       .ptr;
  return std::string(buffer.data(), end);
}

std::string SvgText(double x, double y, std::string_view text, std::string_view attributes) {
  return "<text x=\"" + At(x) + "\" y=\"" + At(y) + "\"" + std::string(attributes) + ">" +
         MarkupText(text) + "</text>\n";
}

double TextWidth(std::string_view text, double size, bool bold) {
  double ems = 0;
  for (std::size_t at = 0; at < text.size();) {
    const auto c = DecodeUtf8(text.substr(at));
    ems += c ? Ems(c->codePoint) : 1.0;
    at += c ? c->length : 1;
  }
  return ems * size * (bold ? kBoldWidening : 1.0);
}

std::vector<std::string> WrappedLines(std::string_view text, double size, bool bold, double width,
                                      std::string_view grouping) {
  std::vector<std::string> lines;
  std::string line;
  while (!text.empty()) {
    const std::string_view piece = text.substr(0, PieceLength(text, grouping));
    text.remove_prefix(piece.size());
    const std::string longer = line + std::string(piece);
    if (!line.empty() && TextWidth(WithoutTrailingBlanks(longer), size, bold) > width) {
      lines.push_back(WithoutTrailingBlanks(line));
      line = piece;
    } else {
      line = longer;
    }
  }
  if (!line.empty()) lines.push_back(WithoutTrailingBlanks(line));
  return lines;
}

}  // namespace sw
