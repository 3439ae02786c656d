#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "cli/exit_code.h"
#include "system/file_writer.h"

namespace sw::cli {

// Writes the report text as the report window writes it to the file chosen
// in its dialog: one quoted record, to the name with ".txt" added if needed.
ExitCode SaveReport(std::string_view reportText, std::string_view chosenName, WriteMode mode,
                    std::ostream& err);

}  // namespace sw::cli
