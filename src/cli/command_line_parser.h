#pragma once

#include <CLI/CLI.hpp>

#include "cli/command.h"

namespace sw::cli {

// The parser of sumwright-cli with every command and the action of each.
class CommandLineParser {
 public:
  CommandLineParser();
  CommandLineParser(const CommandLineParser&) = delete;
  CommandLineParser& operator=(const CommandLineParser&) = delete;

  CLI::App& app() { return app_; }
  const CommandTable& commands() const { return commands_; }

 private:
  CLI::App app_;
  CommandTable commands_;
};

}  // namespace sw::cli
