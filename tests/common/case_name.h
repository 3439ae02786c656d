#pragma once

#include <gtest/gtest.h>

#include <string>

namespace sw {

// Names each case of a parameterised table after its `name` field, so a case
// keeps one short, readable name in every build and `ctest -R` can pick it
// out. Names hold only letters, digits and underscores.
struct CaseName {
  template <typename Case>
  std::string operator()(const testing::TestParamInfo<Case>& info) const {
    return info.param.name;
  }
};

}  // namespace sw
