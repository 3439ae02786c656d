#pragma once

namespace sw::cli {

// The process exit codes; scripts rely on them.
enum class ExitCode {
  kSuccess = 0,
  kCalcFailure = 1,
  kUsage = 2,
  kWriteFailure = 3,
};

}  // namespace sw::cli
