#pragma once

#include <CLI/CLI.hpp>
#include <string>

#include "calculations/field_calculations.h"

#include "system/locale_separators.h"

namespace sw::cli {

// Adds the option that stands for one entry field, as a required one that
// stores the field's text, read later exactly as the window reads it.
inline void AddFieldOption(CLI::App& command, const FieldInput& input, std::string& text) {
  command.add_option(std::string(input.option), text, std::string(input.meaning))
      ->type_name(std::string(input.placeholder))
      ->required();
}

// Adds --locale: the command reads and writes numbers with the separators
// of the user's numeric locale, as the windows do, instead of "," and ".".
inline void AddLocaleFlag(CLI::App& command, bool& followLocale) {
  command.add_flag("--locale", followLocale,
                   "Read and write numbers in your locale, as the windows do");
}

// The separators a command uses: the user's locale's with --locale, else
// "," and ".", so that a script's numbers mean the same everywhere.
inline Separators CommandSeparators(bool followLocale) {
  return followLocale ? UserLocaleSeparators() : Separators{};
}

}  // namespace sw::cli
