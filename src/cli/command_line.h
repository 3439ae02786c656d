#pragma once

#include <ostream>
#include <span>
#include <string>

#include "cli/exit_code.h"

namespace sw::cli {

// Runs sumwright-cli with these arguments (the program name not among
// them), writing what it prints to out and its diagnostics to err, and
// returns its exit code. Every input ends in an exit code: a usage error
// writes the problem and the synopsis to err and returns kUsage, a failed
// calculation returns kCalcFailure, and a failure to write out (help and
// version included) or a report file writes the system's reason to err and
// returns kWriteFailure. It touches no state outside the streams and
// the report files named by --save and --append, so it may be called again
// and again within one process.
ExitCode RunCommandLine(std::span<const std::string> args, std::ostream& out, std::ostream& err);

}  // namespace sw::cli
