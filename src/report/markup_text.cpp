#include "report/markup_text.h"

namespace sw {
namespace {

std::string_view Reference(char c) {
  switch (c) {
    case '&':
      return "&amp;";
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    case '"':
      return "&quot;";
    default:
      return "&#39;";
  }
}

}  // namespace

void AppendMarkupText(std::string& markup, std::string_view text) {
  // Runs of plain text are appended whole: most texts have nothing to escape.
  std::size_t plain = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (c != '&' && c != '<' && c != '>' && c != '"' && c != '\'') continue;
    markup.append(text.substr(plain, at - plain)).append(Reference(c));
    plain = at + 1;
  }
  markup.append(text.substr(plain));
}

}  // namespace sw
