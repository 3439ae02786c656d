#pragma once

#include <span>
#include <string>
#include <vector>

namespace sw::cli {

// The arguments with every "--opt=VALUE" in option position split into
// "--opt" and "VALUE"; an argument that is the value of the option before
// it is left whole.
std::vector<std::string> SplitAssignedValues(std::span<const std::string> args);

}  // namespace sw::cli
