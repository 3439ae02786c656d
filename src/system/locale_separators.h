#pragma once

#include "numeric/separators.h"

namespace sw {

// The separators of the user's numeric locale, named by LC_ALL, else
// LC_NUMERIC, else LANG, as the C library resolves them. A locale that is
// not installed or that defines no grouping separator (C, POSIX, unset)
// gives the default "," and ".". Reads the locale without touching the
// process's own C locale, so no other conversion changes. On Windows, the
// separators of the user's regional settings.
Separators UserLocaleSeparators();

}  // namespace sw
