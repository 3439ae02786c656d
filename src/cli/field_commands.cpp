#include "cli/field_commands.h"

#include <memory>
#include <string>
#include <vector>

#include "calculations/field_calculations.h"
#include "cli/field_options.h"
#include "numeric/calc_failure.h"

namespace sw::cli {
namespace {

// What parsing fills in for one command.
struct FieldValues {
  std::vector<std::string> texts;
  bool followLocale = false;
};

ExitCode Run(const FieldCalculation& calculation, const FieldValues& values, std::ostream& out,
             std::ostream& err) {
  try {
    const std::string result =
        calculation.compute(CommandSeparators(values.followLocale), values.texts);
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
    auto values = std::make_shared<FieldValues>();
    values->texts.resize(calculation.inputs.size());
    for (std::size_t i = 0; i < calculation.inputs.size(); ++i) {
      AddFieldOption(*parser, calculation.inputs[i], values->texts[i]);
    }
    AddLocaleFlag(*parser, values->followLocale);
    commands.push_back({parser, [&calculation, values](std::ostream& out, std::ostream& err) {
                          return Run(calculation, *values, out, err);
                        }});
  }
}

}  // namespace sw::cli
