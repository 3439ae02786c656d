#include "calculations/field_calculations.h"

#include <stdexcept>

#include "calculations/drawdown_fields.h"
#include "calculations/loan_fields.h"
#include "calculations/messages.h"

namespace sw {
namespace {

// What a calculation is called and where it shows; the inputs and the
// function come separately so that their counts are checked together.
struct Names {
  std::string_view id;
  std::string_view summary;
  std::string_view window;
  std::string_view button;
  std::string_view result;
  std::string_view failureMessage;
};

// Calls the field function with the separators, then the texts in order.
template <typename Field, std::size_t... I>
std::string CallWithTexts(Field field, const Separators& separators, FieldTexts texts,
                          std::index_sequence<I...>) {
  return field(separators, texts[I]...);
}

// The field function takes the separators, then one text per input, passed
// in input order.
template <std::size_t N, typename... Texts>
  requires(sizeof...(Texts) == N)
FieldCalculation Calculation(const Names& names, const FieldInput (&inputs)[N],
                             std::string (*field)(const Separators&, Texts...)) {
  FieldCompute compute = [field](const Separators& separators, FieldTexts texts) {
    if (texts.size() != N) throw std::logic_error("wrong number of field texts");
    return CallWithTexts(field, separators, texts, std::make_index_sequence<N>{});
  };
  return {.id = names.id,
          .summary = names.summary,
          .window = names.window,
          .button = names.button,
          .inputs = {inputs, inputs + N},
          .result = names.result,
          .compute = std::move(compute),
          .failureMessage = names.failureMessage};
}

std::vector<FieldCalculation> MakeCatalogue() {
  namespace loan = loan_window;
  namespace drawdown = drawdown_window;
  using namespace loan_input;
  using drawdown_input::kBalance, drawdown_input::kWithdrawal, drawdown_input::kMonths;
  return {
      Calculation({.id = "payment",
                   .summary = "Monthly payment of a loan",
                   .window = loan::kName,
                   .button = loan::kCalculatePayment,
                   .result = loan::kPayment,
                   .failureMessage = loan_message::kPayment},
                  {kPrincipal, kRate, kYears}, PaymentField),
      Calculation({.id = "principal",
                   .summary = "Principal that a monthly payment repays",
                   .window = loan::kName,
                   .button = loan::kCalculatePrincipal,
                   .result = loan::kPrincipal,
                   .failureMessage = loan_message::kPrincipal},
                  {kPayment, kRate, kYears}, PrincipalField),
      Calculation({.id = "term",
                   .summary = "Number of years until a loan is repaid",
                   .window = loan::kName,
                   .button = loan::kCalculateYears,
                   .result = loan::kYears,
                   .failureMessage = loan_message::kTerm},
                  {kPrincipal, kPayment, kRate}, TermField),
      Calculation({.id = "rate",
                   .summary = "Yearly interest rate of a loan",
                   .window = loan::kName,
                   .button = loan::kCalculateRate,
                   .result = loan::kRate,
                   .failureMessage = loan_message::kRate},
                  {kPrincipal, kPayment, kYears}, RateField),
      Calculation({.id = "remaining",
                   .summary = "Principal still owed after a number of payments",
                   .window = loan::kName,
                   .button = loan::kCalculateRemaining,
                   .result = loan::kRemaining,
                   .failureMessage = loan_message::kRemaining},
                  {kPrincipal, kPayment, kRate, kPaymentsMade}, RemainingField),
      Calculation({.id = "how-long",
                   .summary = "Number of months that a balance lasts",
                   .window = drawdown::kName,
                   .button = drawdown::kCalculateHowLong,
                   .result = drawdown::kHowLong,
                   .failureMessage = drawdown_message::kHowLong},
                  {kBalance, drawdown_input::kRate, kWithdrawal}, HowLongField),
      Calculation({.id = "how-much",
                   .summary = "Balance left after a number of months",
                   .window = drawdown::kName,
                   .button = drawdown::kCalculateHowMuch,
                   .result = drawdown::kBalanceLeft,
                   .failureMessage = drawdown_message::kHowMuch},
                  {kBalance, drawdown_input::kRate, kWithdrawal, kMonths}, HowMuchField),
  };
}

}  // namespace

const std::vector<FieldCalculation>& FieldCalculations() {
  static const std::vector<FieldCalculation> catalogue = MakeCatalogue();
  return catalogue;
}

}  // namespace sw
