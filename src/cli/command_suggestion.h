#pragma once

#include <CLI/CLI.hpp>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace sw::cli {

// The command of those names that the typed word was most likely meant to
// be: the nearest in edits (insert, delete or replace one character), if no
// more than a third of its letters need editing; the first of equals wins.
std::optional<std::string_view> NearestCommand(std::string_view typed,
                                               std::span<const std::string_view> names);

// When the first argument stands where a command belongs but names none of
// the app's commands, the problem to report: the word is named as unknown,
// with the nearest command when there is one.
std::optional<std::string> UnknownCommandProblem(const CLI::App& app,
                                                 std::span<const std::string> args);

}  // namespace sw::cli
