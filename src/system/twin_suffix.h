#pragma once

#include <cstddef>
#include <string>

namespace sw {

// How many names a writer tries for a file's temporary copy before it gives
// up: each try draws a new suffix, and a name already taken is passed over.
inline constexpr int kTwinAttempts = 100;

// The suffix that names a file's temporary copy, written beside the file
// before it takes the file's place: "." and six random letters or digits,
// ASCII on every platform.
inline constexpr std::size_t kTwinSuffixLength = 7;
std::string TwinSuffix();

}  // namespace sw
