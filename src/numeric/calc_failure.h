#pragma once

#include <exception>
#include <string_view>

namespace sw {

// The one failure that ends a calculation. It carries nothing to show: the
// user sees the message of the button that was pressed, whatever the cause.
struct CalcFailure : std::exception {
  const char* what() const noexcept override { return "calculation failed"; }
};

// Title of the message box that shows a calculate button's message.
inline constexpr std::string_view kCalcFailureTitle = "Zero Value Error";

}  // namespace sw
