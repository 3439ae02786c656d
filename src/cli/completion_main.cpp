// Writes the bash completion script of sumwright-cli to the file given; the
// build runs it so that the script always matches the commands.
#include <fstream>
#include <iostream>

#include "cli/bash_completion.h"
#include "cli/command_line_parser.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: sumwright-cli-completion OUTPUT_FILE\n";
    return 2;
  }
  sw::cli::CommandLineParser parser;
  std::ofstream out(argv[1], std::ios::binary);
  sw::cli::WriteBashCompletion(parser.app(), out);
  out.close();
  return out ? 0 : 1;
}
