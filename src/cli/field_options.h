#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <string_view>

namespace sw::cli {

// An option that stands for one entry field of a window; its value is the
// field's text, read later exactly as the window reads it.
struct FieldOption {
  std::string_view name;
  std::string_view placeholder;
  std::string_view help;
};

inline constexpr FieldOption kPrincipal{"--principal", "P", "Principal of the loan"};
inline constexpr FieldOption kPayment{"--payment", "A", "Monthly payment"};
inline constexpr FieldOption kLoanRate{"--rate", "I", "Yearly interest rate in percent"};
inline constexpr FieldOption kYears{"--years", "N", "Number of years"};
inline constexpr FieldOption kPaymentsMade{"--after", "K", "Number of payments made"};
inline constexpr FieldOption kBalance{"--balance", "B", "Balance at the start"};
inline constexpr FieldOption kAccountRate{"--rate", "R", "Yearly interest rate in percent"};
inline constexpr FieldOption kWithdrawal{"--withdrawal", "W", "Amount withdrawn every month"};
inline constexpr FieldOption kMonths{"--after", "N", "Number of months"};

// Adds the field's option as a required one that stores its text.
inline void AddFieldOption(CLI::App& command, const FieldOption& option, std::string& text) {
  command.add_option(std::string(option.name), text, std::string(option.help))
      ->type_name(std::string(option.placeholder))
      ->required();
}

}  // namespace sw::cli
