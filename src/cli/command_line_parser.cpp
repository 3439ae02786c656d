#include "cli/command_line_parser.h"

#include <string>

#include "cli/field_commands.h"
#include "cli/schedule_command.h"
#include "cli/usage.h"
#include "product.h"

namespace sw::cli {

CommandLineParser::CommandLineParser()
    : app_("Calculator for fixed-rate loans and savings draw-down", std::string(kProgramName)) {
  app_.footer(
      "Values are read as the calculator's entry fields read them.\n"
      "Numbers use \",\" and \".\" whatever the locale; with --locale, the separators of\n"
      "LC_ALL, LC_NUMERIC or LANG, as the windows do. csv and json keep plain numbers.\n"
      "Exit status: 0 done, 1 calculation failed, 2 usage error, 3 output not written.");
  app_.set_version_flag("--version", std::string(kProgramName) + " " + product::kVersion);
  app_.require_subcommand(1);
  AddFieldCommands(app_, commands_);
  AddScheduleCommand(app_, commands_);
}

}  // namespace sw::cli
