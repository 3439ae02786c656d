#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "numeric/separators.h"
#include "tested_locales.h"

namespace sw::fuzz {

// Stops the run with the broken property and the text that broke it, so
// libFuzzer keeps the input.
inline void Require(bool holds, const char* property, std::string_view text) {
  if (holds) return;
  std::fprintf(stderr, "broken: %s\ntext: \"%.*s\"\n", property, static_cast<int>(text.size()),
               text.data());
  std::abort();
}

// The input as `count` field texts separated by line feeds; missing fields
// are empty and the last field takes the rest.
inline std::vector<std::string_view> Fields(const std::uint8_t* data, std::size_t size,
                                            std::size_t count) {
  std::string_view rest{reinterpret_cast<const char*>(data), size};
  std::vector<std::string_view> fields;
  for (std::size_t i = 0; i + 1 < count; ++i) {
    const auto end = rest.find('\n');
    fields.push_back(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
  }
  fields.push_back(rest);
  return fields;
}

// One of the locales' separator pairs, picked by the input's length.
inline const Separators& SeparatorsFor(std::size_t inputSize) {
  return test::kTestedLocales[inputSize % test::kTestedLocales.size()];
}

}  // namespace sw::fuzz
