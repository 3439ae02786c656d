#include "cli/field_commands.h"

#include <memory>
#include <string>
#include <vector>

#include "calculations/field_calculations.h"
#include "cli/field_options.h"
#include "numeric/calc_failure.h"

namespace sw::cli {
namespace {

ExitCode Run(const FieldCalculation& calculation, FieldTexts texts, std::ostream& out,
             std::ostream& err) {
  try {
    const std::string result = calculation.compute(Separators{}, texts);
    out << result << '\n';
    return ExitCode::kSuccess;
  } catch (const CalcFailure&) {
    err << calculation.failureMessage << '\n';
    return ExitCode::kCalcFailure;
  }
}

}  // namespace

void AddFieldCommands(CLI::App& app, CommandTable& commands) {
  for (const FieldCalculation& calculation : FieldCalculations()) {
    CLI::App* parser =
        app.add_subcommand(std::string(calculation.id), std::string(calculation.summary));
    auto texts = std::make_shared<std::vector<std::string>>(calculation.inputs.size());
    for (std::size_t i = 0; i < calculation.inputs.size(); ++i) {
      AddFieldOption(*parser, calculation.inputs[i], (*texts)[i]);
    }
    commands.push_back({parser, [&calculation, texts](std::ostream& out, std::ostream& err) {
                          return Run(calculation, *texts, out, err);
                        }});
  }
}

}  // namespace sw::cli
