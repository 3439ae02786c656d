#include "report/report_file.h"

#include "numeric/utf8.h"

namespace sw {
namespace {

constexpr std::string_view kExtension = ".txt";
constexpr std::string_view kLineBreak = "\r\n";

}  // namespace

std::string ReportFileName(std::string_view chosenName) {
  std::string name{chosenName};
  if (!name.ends_with(kExtension)) name += kExtension;
  return name;
}

std::string ReportFileRecord(std::string_view utf8Text) {
  std::string record = "\"";
  record.reserve(utf8Text.size() + utf8Text.size() / 16 + 4);
  for (std::size_t i = 0; i < utf8Text.size();) {
    if (utf8Text[i] == '\n') {
      record += kLineBreak;
      ++i;
      continue;
    }
    const auto c = DecodeUtf8(utf8Text.substr(i));
    const bool latin1 = c && c->codePoint <= 0xFF;
    record += latin1 ? static_cast<char>(c->codePoint) : '?';  // '?' beyond Latin-1 or not UTF-8
    i += c ? c->length : 1;
  }
  record += '"';
  record += kLineBreak;
  return record;
}

}  // namespace sw
