#pragma once

#include <cstdint>

#include "numeric/calc_failure.h"

namespace sw {

// A 16-bit loop counter: stepping it past 32767 fails, even after the
// loop's last pass, so a loop whose counter must reach 32767 fails.
class Counter16 {
 public:
  explicit constexpr Counter16(std::int16_t start) : v_(start) {}
  constexpr std::int16_t value() const { return v_; }
  void step() {
    if (v_ == INT16_MAX) throw CalcFailure{};
    ++v_;
  }

 private:
  std::int16_t v_;
};

}  // namespace sw
