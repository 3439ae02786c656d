#pragma once

#include <string>
#include <vector>

namespace sw {

// Settles what a command-line program inherits before it runs, and returns
// its arguments after the program's name as UTF-8. On Linux a write over the
// file-size limit then fails instead of ending the program, and the
// arguments are passed on as given. On Windows they are read from the
// UTF-16 command line (argv holds them in the ANSI code page, which loses
// characters), and standard output and error pass every byte unchanged:
// UTF-8 text with "\n" line ends, as on Linux.
std::vector<std::string> StartProgram(int argc, char** argv);

}  // namespace sw
