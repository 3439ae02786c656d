#include "cli/bash_completion.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "cli/schedule_command.h"
#include "cli/usage.h"

namespace sw::cli {
namespace {

const auto kEvery = [](const auto*) { return true; };

template <typename Words>
std::string Joined(const Words& words, std::string_view separator) {
  std::string text;
  for (const auto& word : words) {
    if (!text.empty()) text += separator;
    text += word;
  }
  return text;
}

std::string LongName(const CLI::Option& option) { return "--" + option.get_lnames().front(); }

bool TakesValue(const CLI::Option& option) { return option.get_expected_max() > 0; }

// The options of an app, those that take a value first.
std::vector<std::string> OptionNames(const CLI::App& app) {
  auto options = app.get_options(kEvery);
  std::stable_partition(options.begin(), options.end(),
                        [](const CLI::Option* o) { return TakesValue(*o); });
  std::vector<std::string> names;
  for (const CLI::Option* option : options) names.push_back(LongName(*option));
  return names;
}

// What completes the value of an option: file names, a fixed list of words,
// or nothing.
std::string ValueCompletion(const CLI::Option& option) {
  if (option.get_type_name() == "FILE") {
    return "local IFS=$'\\n'\n"
           "      compopt -o filenames 2>/dev/null\n"
           "      COMPREPLY=($(compgen -f -- \"$cur\"))";
  }
  if (LongName(option) == "--format") {
    return "COMPREPLY=($(compgen -W \"" + Joined(ScheduleFormatNames(), " ") + "\" -- \"$cur\"))";
  }
  return "";
}

}  // namespace

void WriteBashCompletion(const CLI::App& app, std::ostream& out) {
  std::vector<std::string> commands;
  std::map<std::string, std::string> valueCompletions;
  std::set<std::string> freeValues;
  std::string commandWords;
  for (const CLI::App* command : app.get_subcommands(kEvery)) {
    commands.push_back(command->get_name());
    for (const CLI::Option* option : command->get_options(kEvery)) {
      if (!TakesValue(*option)) continue;
      const std::string completion = ValueCompletion(*option);
      if (completion.empty()) {
        freeValues.insert(LongName(*option));
      } else {
        valueCompletions[LongName(*option)] = completion;
      }
    }
    commandWords += "    " + command->get_name() + ") words=\"" +
                    Joined(OptionNames(*command), " ") + "\" ;;\n";
  }
  std::vector<std::string> topLevel = commands;
  for (const std::string& name : OptionNames(app)) topLevel.push_back(name);
  std::string function = "_" + std::string(kProgramName);
  std::ranges::replace(function, '-', '_');

  out << "# bash completion for " << kProgramName << ", written from its own commands\n"
      << function << "() {\n"
      << "  local cur=${COMP_WORDS[COMP_CWORD]} prev= command= words= i\n"
      << "  ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}\n"
      << "  # \"--format=c\" comes as the words \"--format\", \"=\" and \"c\".\n"
      << "  if [[ $cur == = ]]; then\n"
      << "    cur=\n"
      << "  elif [[ $prev == = ]] && ((COMP_CWORD > 1)); then\n"
      << "    prev=${COMP_WORDS[COMP_CWORD - 2]}\n"
      << "  fi\n"
      << "  case $prev in\n";
  for (const auto& [option, completion] : valueCompletions) {
    out << "    " << option << ")\n      " << completion << "\n      return ;;\n";
  }
  if (!freeValues.empty()) out << "    " << Joined(freeValues, "|") << ")\n      return ;;\n";
  out << "  esac\n"
      << "  for ((i = 1; i < COMP_CWORD; i++)); do\n"
      << "    case ${COMP_WORDS[i]} in\n"
      << "      " << Joined(commands, "|") << ")\n"
      << "        command=${COMP_WORDS[i]}\n"
      << "        break ;;\n"
      << "    esac\n"
      << "  done\n"
      << "  case $command in\n"
      << "    '') words=\"" << Joined(topLevel, " ") << "\" ;;\n"
      << commandWords << "  esac\n"
      << "  COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n"
      << "}\n"
      << "complete -F " << function << ' ' << kProgramName << '\n';
}

}  // namespace sw::cli
