#pragma once

#include <CLI/CLI.hpp>
#include <string>

#include "calculations/field_calculations.h"

namespace sw::cli {

// Adds the option that stands for one entry field, as a required one that
// stores the field's text, read later exactly as the window reads it.
inline void AddFieldOption(CLI::App& command, const FieldInput& input, std::string& text) {
  command.add_option(std::string(input.option), text, std::string(input.meaning))
      ->type_name(std::string(input.placeholder))
      ->required();
}

}  // namespace sw::cli
