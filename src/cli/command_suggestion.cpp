#include "cli/command_suggestion.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace sw::cli {
namespace {

// Levenshtein distance, one row at a time.
std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  std::iota(row.begin(), row.end(), std::size_t{0});
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t replaced = diagonal + (a[i - 1] == b[j - 1] ? 0 : 1);
      diagonal = row[j];
      row[j] = std::min({replaced, row[j] + 1, row[j - 1] + 1});
    }
  }
  return row[b.size()];
}

}  // namespace

std::optional<std::string_view> NearestCommand(std::string_view typed,
                                               std::span<const std::string_view> names) {
  std::optional<std::string_view> nearest;
  std::size_t best = 0;
  for (const std::string_view name : names) {
    const std::size_t distance = EditDistance(typed, name);
    if (distance * 3 > name.size()) continue;
    if (!nearest || distance < best) {
      nearest = name;
      best = distance;
    }
  }
  return nearest;
}

std::optional<std::string> UnknownCommandProblem(const CLI::App& app,
                                                 std::span<const std::string> args) {
  if (args.empty() || args.front().starts_with('-')) return std::nullopt;
  std::vector<std::string_view> names;
  for (const CLI::App* command : app.get_subcommands([](const CLI::App*) { return true; })) {
    names.push_back(command->get_name());
  }
  const std::string& typed = args.front();
  if (std::ranges::find(names, typed) != names.end()) return std::nullopt;
  std::string problem = "unknown command \"" + typed + "\"";
  if (const auto nearest = NearestCommand(typed, names)) {
    problem += "; did you mean \"" + std::string(*nearest) + "\"?";
  }
  return problem;
}

}  // namespace sw::cli
