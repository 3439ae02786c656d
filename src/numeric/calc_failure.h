#pragma once

#include <exception>

namespace sw {

// The one failure that ends a calculation. It carries nothing to show: the
// user sees the message of the button that was pressed, whatever the cause.
struct CalcFailure : std::exception {
  const char* what() const noexcept override { return "calculation failed"; }
};

}  // namespace sw
