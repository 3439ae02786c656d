#include "system/twin_suffix.h"

#include <random>
#include <string_view>

namespace sw {

std::string TwinSuffix() {
  static constexpr std::string_view kCharacters =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device random;
  std::uniform_int_distribution<std::size_t> pick(0, kCharacters.size() - 1);
  std::string suffix = ".";
  while (suffix.size() < kTwinSuffixLength) suffix += kCharacters[pick(random)];
  return suffix;
}

}  // namespace sw
