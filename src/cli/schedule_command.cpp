#include "cli/schedule_command.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "calculations/field_calculations.h"
#include "calculations/loan_fields.h"
#include "cli/field_options.h"
#include "cli/usage.h"
#include "report/amortization_report.h"
#include "system/save_report.h"

namespace sw::cli {
namespace {

struct ScheduleRequest {
  std::string principal;
  std::string rate;
  std::string years;
  std::string formatName = "text";
  std::string saveName;
  std::string appendName;
  bool followLocale = false;
  const CLI::Option* save = nullptr;
  const CLI::Option* append = nullptr;

  bool toFile() const { return save->count() > 0 || append->count() > 0; }
};

// The report file that --save or --append names.
struct ReportTarget {
  std::string_view option;
  const std::string& name;
  WriteMode mode;
};

ReportTarget TargetOf(const ScheduleRequest& request) {
  if (request.save->count() > 0) return {"--save", request.saveName, WriteMode::Replace};
  return {"--append", request.appendName, WriteMode::Append};
}

// The format that --format names: CLI::IsMember has let through only the
// names in kScheduleFormats.
ScheduleFormat FormatNamed(std::string_view name) {
  return std::ranges::find(kScheduleFormats, name, &FormatName::name)->format;
}

// What makes the request a usage error, if anything.
std::optional<std::string> UsageProblem(const ScheduleRequest& request, ScheduleFormat format) {
  if (!request.toFile()) return std::nullopt;
  if (format != ScheduleFormat::kText) {
    return "--save and --append write the text report: they go only with --format text, not "
           "with --format " +
           request.formatName;
  }
  const ReportTarget target = TargetOf(request);
  if (!NamesNoFile(target.name)) return std::nullopt;
  return std::string(target.option) + " \"" + target.name +
         "\" names no file: a file name must come before the \".txt\" that is added";
}

ExitCode SaveText(const Amortization& table, const ScheduleRequest& request,
                  const Separators& separators, std::ostream& err) {
  const ReportTarget target = TargetOf(request);
  const SavedReport saved =
      SaveReport(FormatAmortization(table, separators), target.name, target.mode);
  if (!saved.failure) return ExitCode::kSuccess;
  err << kProgramName << ": cannot write \"" << saved.path << "\": " << *saved.failure << '\n';
  return ExitCode::kWriteFailure;
}

ExitCode Run(const ScheduleRequest& request, std::ostream& out, std::ostream& err) {
  const ScheduleFormat format = FormatNamed(request.formatName);
  if (const auto problem = UsageProblem(request, format)) return ReportUsageError(*problem, err);
  const Separators separators = CommandSeparators(request.followLocale);
  const AmortizationOutcome outcome =
      ComputeAmortization(request.principal, request.rate, request.years, separators);
  if (const auto* message = std::get_if<std::string>(&outcome)) {
    err << *message << '\n';
    return ExitCode::kCalcFailure;
  }
  const auto& table = std::get<Amortization>(outcome);
  if (request.toFile()) return SaveText(table, request, separators, err);
  WriteSchedule(table, format, separators, out);
  return ExitCode::kSuccess;
}

}  // namespace

std::vector<std::string> ScheduleFormatNames() {
  std::vector<std::string> names;
  for (const FormatName& format : kScheduleFormats) names.emplace_back(format.name);
  return names;
}

void AddScheduleCommand(CLI::App& app, CommandTable& commands) {
  CLI::App* parser = app.add_subcommand(std::string(kAmortizationTable.id),
                                        std::string(kAmortizationTable.summary));
  auto request = std::make_shared<ScheduleRequest>();
  std::string* const texts[] = {&request->principal, &request->rate, &request->years};
  for (std::size_t i = 0; i < kAmortizationTable.inputs.size(); ++i) {
    AddFieldOption(*parser, kAmortizationTable.inputs[i], *texts[i]);
  }
  AddLocaleFlag(*parser, request->followLocale);
  parser
      ->add_option("--format", request->formatName,
                   "Output: the text report, the unrounded rows, a chart or a printable page")
      ->type_name("FORMAT")
      ->check(CLI::IsMember(ScheduleFormatNames()));
  CLI::Option* save = parser->add_option("--save", request->saveName,
                                         "Replace the content of FILE with the text report "
                                         "(\".txt\" is added unless FILE ends in it)");
  CLI::Option* append =
      parser->add_option("--append", request->appendName, "Add the text report at the end of FILE");
  save->type_name("FILE")->excludes(append);
  append->type_name("FILE");
  request->save = save;
  request->append = append;
  commands.push_back({parser, [request](std::ostream& out, std::ostream& err) {
                        return Run(*request, out, err);
                      }});
}

}  // namespace sw::cli
