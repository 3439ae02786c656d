#include "report/report_file.h"

namespace sw {
namespace {

constexpr std::string_view kExtension = ".txt";
constexpr std::string_view kLineBreak = "\r\n";

// Length of the UTF-8 sequence that starts with `lead`, or 0 if `lead`
// cannot start one.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

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
    const auto lead = static_cast<unsigned char>(utf8Text[i]);
    std::size_t length = SequenceLength(lead);
    for (std::size_t k = 1; k < length; ++k) {
      if (i + k >= utf8Text.size() || !IsContinuation(static_cast<unsigned char>(utf8Text[i + k]))) {
        length = 0;
      }
    }
    if (lead == '\n') {
      record += kLineBreak;
    } else if (length == 1) {
      record += static_cast<char>(lead);
    } else if (length == 2) {
      const unsigned codePoint = ((lead & 0x1Fu) << 6) | (utf8Text[i + 1] & 0x3Fu);
      record += codePoint <= 0xFF ? static_cast<char>(codePoint) : '?';
    } else {
      record += '?';  // beyond Latin-1, or not UTF-8 at all
    }
    i += length == 0 ? 1 : length;
  }
  record += '"';
  record += kLineBreak;
  return record;
}

}  // namespace sw
