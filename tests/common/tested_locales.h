#pragma once

#include <array>

#include "numeric/separators.h"

namespace sw::test {

// The separators that the C library's locales give, after the characters
// outside Latin-1 have been replaced by their look-alikes.
inline const Separators kEnglish{",", "."};
inline const Separators kGerman{".", ","};
inline const Separators kFrench{"\xC2\xA0", ","};
inline const Separators kSwiss{"'", "."};

// The locales the calculator is tested in.
inline const std::array<Separators, 4> kTestedLocales{kEnglish, kGerman, kFrench, kSwiss};

}  // namespace sw::test
