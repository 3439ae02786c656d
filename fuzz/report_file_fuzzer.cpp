// The report file's record of any text: quoted, ended by CR LF, one Latin-1
// byte a character, each line feed written as CR LF; plain ASCII is
// otherwise kept as it is, and recording the record's Latin-1 text again
// (as UTF-8, line feeds without their CR) gives the same record.
#include <algorithm>
#include <string>

#include "fuzz_support.h"
#include "report/report_file.h"

namespace {

using sw::fuzz::Require;

std::string Latin1ToUtf8(std::string_view latin1) {
  std::string utf8;
  for (const char c : latin1) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | (byte >> 6));
      utf8 += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return utf8;
}

// Replaces every `from` in `text` by `to`.
std::string Replaced(std::string_view text, std::string_view from, std::string_view to) {
  std::string result;
  for (std::size_t start = 0;;) {
    const std::size_t found = text.find(from, start);
    result.append(text.substr(start, found - start));
    if (found == std::string_view::npos) return result;
    result.append(to);
    start = found + from.size();
  }
}

bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text{reinterpret_cast<const char*>(data), size};
  const std::string record = sw::ReportFileRecord(text);
  Require(record.size() >= 4 && record.front() == '"' && record.ends_with("\"\r\n"),
          "a record is quoted and ends in CR LF", record);
  const std::string_view inner = std::string_view{record}.substr(1, record.size() - 4);
  const auto lineFeeds = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  Require(inner.size() <= text.size() + lineFeeds, "only a line feed grows", text);
  Require(!IsAscii(text) || inner == Replaced(text, "\n", "\r\n"), "ASCII is kept as it is", text);
  Require(sw::ReportFileRecord(Latin1ToUtf8(Replaced(inner, "\r\n", "\n"))) == record,
          "Latin-1 text records the same", text);

  const std::string name = sw::ReportFileName(text);
  Require(name.ends_with(".txt") && name.starts_with(text), "a report name ends in .txt", text);
  Require(name.size() - text.size() == (text.ends_with(".txt") ? 0 : 4), "\".txt\" added once",
          text);
  return 0;
}
