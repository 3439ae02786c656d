#pragma once

#include <gtest/gtest.h>

#include <string>

#include "numeric/calc_failure.h"

namespace sw {

// Checks a calculation from field texts: the text it writes or, when
// `expected` is nullptr, that it fails.
template <typename Field, typename... Texts>
void ExpectFieldResult(Field field, const char* expected, const Texts&... texts) {
  std::string inputs;
  ((inputs += std::string{texts} + " | "), ...);
  if (expected == nullptr) {
    EXPECT_THROW(field(texts...), CalcFailure) << inputs;
  } else {
    EXPECT_EQ(field(texts...), expected) << inputs;
  }
}

}  // namespace sw
