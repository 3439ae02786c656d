#pragma once

#include <string>
#include <string_view>

#include "numeric/separators.h"

// The first, string-building implementation of the display patterns, kept
// only to check the formatter in src/numeric against, digit for digit.
namespace sw::reference {

std::string FormatWithPattern(double value, std::string_view pattern,
                              const Separators& separators);

}  // namespace sw::reference
