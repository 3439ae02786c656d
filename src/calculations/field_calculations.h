#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calculations/window_names.h"
#include "numeric/separators.h"

namespace sw {

// One entry field that a calculation reads: the text box of its window, the
// command-line option that stands for it and what it means.
struct FieldInput {
  std::string_view control;
  std::string_view option;       // "--principal"
  std::string_view placeholder;  // "P", the value's name in usage texts
  std::string_view meaning;
};

namespace loan_input {
inline constexpr FieldInput kPrincipal{loan_window::kPrincipal, "--principal", "P",
                                       "Principal of the loan"};
inline constexpr FieldInput kPayment{loan_window::kPayment, "--payment", "A", "Monthly payment"};
inline constexpr FieldInput kRate{loan_window::kRate, "--rate", "I",
                                  "Yearly interest rate in percent"};
inline constexpr FieldInput kYears{loan_window::kYears, "--years", "N", "Number of years"};
inline constexpr FieldInput kPaymentsMade{loan_window::kPaymentsMade, "--after", "K",
                                          "Number of payments made"};
}  // namespace loan_input

namespace drawdown_input {
inline constexpr FieldInput kBalance{drawdown_window::kStartBalance, "--balance", "B",
                                     "Balance at the start"};
inline constexpr FieldInput kRate{drawdown_window::kRate, "--rate", "R",
                                  "Yearly interest rate in percent"};
inline constexpr FieldInput kWithdrawal{drawdown_window::kWithdrawal, "--withdrawal", "W",
                                        "Amount withdrawn every month"};
inline constexpr FieldInput kMonths{drawdown_window::kMonths, "--after", "N", "Number of months"};
}  // namespace drawdown_input

// The texts of a calculation's inputs, in the order of its inputs.
using FieldTexts = std::span<const std::string>;

// From the input texts to exactly the text written into the result field,
// numbers read and written with the separators; any failure throws
// CalcFailure.
using FieldCompute = std::function<std::string(const Separators& separators, FieldTexts texts)>;

// One calculate button of a calculator window, which is also one command of
// the command line: it reads its inputs, in reading order, and writes its
// result field, or shows its failure message.
struct FieldCalculation {
  std::string_view id;  // the command's name
  std::string_view summary;
  std::string_view window;
  std::string_view button;
  std::vector<FieldInput> inputs;
  std::string_view result;
  FieldCompute compute;
  std::string_view failureMessage;
};

// Every field calculation, the loan window's in its reading order, then the
// draw-down window's.
const std::vector<FieldCalculation>& FieldCalculations();

// The loan window's amortization table, a menu entry of the window and a
// command of the command line: the fields it reads, in reading order.
struct TableCalculation {
  std::string_view id;
  std::string_view summary;
  std::string_view window;
  std::array<FieldInput, 3> inputs;
};

inline constexpr TableCalculation kAmortizationTable{
    .id = "schedule",
    .summary = "Month-by-month amortization table of a loan",
    .window = loan_window::kName,
    .inputs = {loan_input::kPrincipal, loan_input::kRate, loan_input::kYears}};

}  // namespace sw
