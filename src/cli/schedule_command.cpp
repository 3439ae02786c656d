#include "cli/schedule_command.h"

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
#include "report/schedule_chart.h"
#include "report/schedule_page.h"
#include "report/unrounded_schedule.h"
#include "system/save_report.h"

namespace sw::cli {
namespace {

struct ScheduleRequest {
  std::string principal;
  std::string rate;
  std::string years;
  std::string format = "text";
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

// What makes the request a usage error, if anything.
std::optional<std::string> UsageProblem(const ScheduleRequest& request) {
  if (!request.toFile()) return std::nullopt;
  if (request.format != "text") {
    return "--save and --append write the text report: they go only with --format text, not "
           "with --format " + request.format;
  }
  const ReportTarget target = TargetOf(request);
  if (!NamesNoFile(target.name)) return std::nullopt;
  return std::string(target.option) + " \"" + target.name +
         "\" names no file: a file name must come before the \".txt\" that is added";
}

ExitCode WriteText(const Amortization& table, const ScheduleRequest& request,
                   const Separators& separators, std::ostream& out, std::ostream& err) {
  const std::string report = FormatAmortization(table, separators);
  if (!request.toFile()) {
    out << report;
    return ExitCode::kSuccess;
  }
  const ReportTarget target = TargetOf(request);
  const SavedReport saved = SaveReport(report, target.name, target.mode);
  if (!saved.failure) return ExitCode::kSuccess;
  err << kProgramName << ": cannot write \"" << saved.path << "\": " << *saved.failure << '\n';
  return ExitCode::kWriteFailure;
}

ExitCode Run(const ScheduleRequest& request, std::ostream& out, std::ostream& err) {
  if (const auto problem = UsageProblem(request)) return ReportUsageError(*problem, err);
  const Separators separators = CommandSeparators(request.followLocale);
  const AmortizationOutcome outcome =
      ComputeAmortization(request.principal, request.rate, request.years, separators);
  if (const auto* message = std::get_if<std::string>(&outcome)) {
    err << *message << '\n';
    return ExitCode::kCalcFailure;
  }
  const auto& table = std::get<Amortization>(outcome);
  if (request.format == "csv") {
    WriteCsv(table, out);
  } else if (request.format == "json") {
    WriteJson(table, out);
  } else if (request.format == "svg") {
    out << ScheduleChartFile(table, separators);
  } else if (request.format == "html") {
    out << SchedulePage(table, separators);
  } else {
    return WriteText(table, request, separators, out, err);
  }
  return ExitCode::kSuccess;
}

}  // namespace

void AddScheduleCommand(CLI::App& app, CommandTable& commands) {
  CLI::App* parser = app.add_subcommand(std::string(kAmortizationTable.id),
                                        std::string(kAmortizationTable.summary));
  auto request = std::make_shared<ScheduleRequest>();
  std::string* const texts[] = {&request->principal, &request->rate, &request->years};
  for (std::size_t i = 0; i < kAmortizationTable.inputs.size(); ++i) {
    AddFieldOption(*parser, kAmortizationTable.inputs[i], *texts[i]);
  }
  AddLocaleFlag(*parser, request->followLocale);
  parser->add_option("--format", request->format, "Output: the text report, the unrounded rows, a chart or a printable page")
      ->type_name("FORMAT")
      ->check(CLI::IsMember(std::vector<std::string>(kScheduleFormats.begin(),
                                                     kScheduleFormats.end())));
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
