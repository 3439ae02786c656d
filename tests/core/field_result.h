#pragma once

#include <gtest/gtest.h>

#include <string>

#include "numeric/calc_failure.h"
#include "numeric/separators.h"

namespace sw {

// Checks a calculation from field texts in the default locale: the text it
// writes or, when `expected` is nullptr, that it fails.
template <typename Field, typename... Texts>
void ExpectFieldResult(Field field, const char* expected, const Texts&... texts) {
  std::string inputs;
  ((inputs += std::string{texts} + " | "), ...);
  if (expected == nullptr) {
    EXPECT_THROW(field(Separators{}, texts...), CalcFailure) << inputs;
  } else {
    EXPECT_EQ(field(Separators{}, texts...), expected) << inputs;
  }
}

}  // namespace sw
