#pragma once

#include <string>
#include <string_view>

namespace sw {

// The chosen name with ".txt" appended unless it already ends in exactly
// ".txt" (case-sensitive).
std::string ReportFileName(std::string_view chosenName);

// One quoted record: '"', the text, '"', CR LF. The text is UTF-8 with its
// lines ended by line feeds, as the report window shows them; each line
// feed is written as CR LF, each other character of Latin-1 as its one
// byte, any other as '?'. Where the text is not UTF-8 (see DecodeUtf8),
// each byte that begins no character is a '?' of its own: "\xC3A" is "?A".
std::string ReportFileRecord(std::string_view utf8Text);

}  // namespace sw
