#include "cli/field_commands.h"

#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/field_options.h"
#include "drawdown/drawdown_fields.h"
#include "drawdown/messages.h"
#include "loan/loan_fields.h"
#include "loan/messages.h"
#include "numeric/calc_failure.h"

namespace sw::cli {
namespace {

using FieldTexts = std::span<const std::string>;

// One calculate button: the fields it reads, in the order the window reads
// them, and the message its window shows when the calculation fails.
struct FieldCommand {
  std::string_view name;
  std::string_view description;
  std::vector<FieldOption> options;
  std::string (*compute)(FieldTexts texts);
  std::string_view failureMessage;
};

const std::array<FieldCommand, 7>& FieldCommandTable() {
  static const std::array<FieldCommand, 7> table{{
      {"payment",
       "Monthly payment of a loan",
       {kPrincipal, kLoanRate, kYears},
       [](FieldTexts t) { return PaymentField(t[0], t[1], t[2]); },
       loan_message::kPayment},
      {"principal",
       "Principal that a monthly payment repays",
       {kPayment, kLoanRate, kYears},
       [](FieldTexts t) { return PrincipalField(t[0], t[1], t[2]); },
       loan_message::kPrincipal},
      {"term",
       "Number of years until a loan is repaid",
       {kPrincipal, kPayment, kLoanRate},
       [](FieldTexts t) { return TermField(t[0], t[1], t[2]); },
       loan_message::kTerm},
      {"rate",
       "Yearly interest rate of a loan",
       {kPrincipal, kPayment, kYears},
       [](FieldTexts t) { return RateField(t[0], t[1], t[2]); },
       loan_message::kRate},
      {"remaining",
       "Principal still owed after a number of payments",
       {kPrincipal, kPayment, kLoanRate, kPaymentsMade},
       [](FieldTexts t) { return RemainingField(t[0], t[1], t[2], t[3]); },
       loan_message::kRemaining},
      {"how-long",
       "Number of months that a balance lasts",
       {kBalance, kAccountRate, kWithdrawal},
       [](FieldTexts t) { return HowLongField(t[0], t[1], t[2]); },
       drawdown_message::kHowLong},
      {"how-much",
       "Balance left after a number of months",
       {kBalance, kAccountRate, kWithdrawal, kMonths},
       [](FieldTexts t) { return HowMuchField(t[0], t[1], t[2], t[3]); },
       drawdown_message::kHowMuch},
  }};
  return table;
}

ExitCode Run(const FieldCommand& command, FieldTexts texts, std::ostream& out, std::ostream& err) {
  try {
    const std::string result = command.compute(texts);
    out << result << '\n';
    return ExitCode::kSuccess;
  } catch (const CalcFailure&) {
    err << command.failureMessage << '\n';
    return ExitCode::kCalcFailure;
  }
}

}  // namespace

void AddFieldCommands(CLI::App& app, CommandTable& commands) {
  for (const FieldCommand& command : FieldCommandTable()) {
    CLI::App* parser =
        app.add_subcommand(std::string(command.name), std::string(command.description));
    auto texts = std::make_shared<std::vector<std::string>>(command.options.size());
    for (std::size_t i = 0; i < command.options.size(); ++i) {
      AddFieldOption(*parser, command.options[i], (*texts)[i]);
    }
    commands.push_back({parser, [&command, texts](std::ostream& out, std::ostream& err) {
                          return Run(command, *texts, out, err);
                        }});
  }
}

}  // namespace sw::cli
