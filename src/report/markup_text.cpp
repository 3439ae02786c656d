#include "report/markup_text.h"

namespace sw {

void AppendMarkupText(std::string& markup, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '&': markup += "&amp;"; break;
      case '<': markup += "&lt;"; break;
      case '>': markup += "&gt;"; break;
      case '"': markup += "&quot;"; break;
      case '\'': markup += "&#39;"; break;
      default: markup += c;
    }
  }
}

}  // namespace sw
