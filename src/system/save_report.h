#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "system/file_writer.h"

namespace sw {

struct SavedReport {
  std::string path;                    // the name written to
  std::optional<std::string> failure;  // the system's reason, if it failed
};

// Writes the report text as one quoted record to the chosen name, with
// ".txt" added unless it ends in it. A name holding a null character is
// refused: the system would read it only up to the null and write elsewhere.
SavedReport SaveReport(std::string_view reportText, std::string_view chosenName, WriteMode mode);

}  // namespace sw
