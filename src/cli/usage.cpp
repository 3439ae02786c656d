#include "cli/usage.h"

namespace sw::cli {
namespace {

constexpr std::string_view kSynopsis =
    "Usage:\n"
    "  sumwright-cli payment   --principal P --rate I --years N\n"
    "  sumwright-cli principal --payment A --rate I --years N\n"
    "  sumwright-cli term      --principal P --payment A --rate I\n"
    "  sumwright-cli rate      --principal P --payment A --years N\n"
    "  sumwright-cli remaining --principal P --payment A --rate I --after K\n"
    "  sumwright-cli how-long  --balance B --rate R --withdrawal W\n"
    "  sumwright-cli how-much  --balance B --rate R --withdrawal W --after N\n"
    "  sumwright-cli schedule  --principal P --rate I --years N [--format text|csv|json]\n"
    "                          [--save FILE | --append FILE]\n"
    "  sumwright-cli --help | --version\n"
    "Run \"sumwright-cli COMMAND --help\" for the meaning of a command's options.\n";

}  // namespace

ExitCode ReportUsageError(std::string_view problem, std::ostream& err) {
  err << kProgramName << ": " << problem << '\n' << kSynopsis;
  return ExitCode::kUsage;
}

}  // namespace sw::cli
