#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sw {

// Windows names files and passes arguments in UTF-16; the rest of the
// program speaks UTF-8. Text that is not valid UTF-8 gives nothing.
std::optional<std::wstring> WideFromUtf8(std::string_view text);

// Unpaired surrogates, which Windows allows in names, become U+FFFD.
std::string Utf8FromWide(std::wstring_view text);

}  // namespace sw
