#pragma once

#include <string>
#include <string_view>

namespace sw {

// Appends `text` as the character data or attribute value of HTML or SVG
// markup: "&", "<", ">", '"' and "'" written as character references,
// everything else (UTF-8 included) kept as it is.
void AppendMarkupText(std::string& markup, std::string_view text);

inline std::string MarkupText(std::string_view text) {
  std::string markup;
  AppendMarkupText(markup, text);
  return markup;
}

}  // namespace sw
