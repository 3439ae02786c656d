#include "report/shown_cents_total.h"

#include <utility>

#include "numeric/display_pattern.h"

namespace sw {
namespace {

constexpr std::size_t kPartDigits = 18;
constexpr std::uint64_t kPartBase = 1'000'000'000'000'000'000u;

// Calls `digit` with each digit of `shown` in order, those inside its
// separators left out. A separator never begins with a digit.
template <typename DigitCall>
void ForEachDigit(std::string_view shown, const Separators& separators, DigitCall digit) {
  for (std::size_t at = 0; at < shown.size();) {
    if (shown[at] >= '0' && shown[at] <= '9') {
      digit(shown[at++]);
    } else if (!separators.grouping.empty() && shown.substr(at).starts_with(separators.grouping)) {
      at += separators.grouping.size();
    } else if (!separators.decimal.empty() && shown.substr(at).starts_with(separators.decimal)) {
      at += separators.decimal.size();
    } else {
      ++at;
    }
  }
}

}  // namespace

void ShownCentsTotal::add(std::string_view shown, const Separators& separators) {
  std::size_t count = 0;
  ForEachDigit(shown, separators, [&count](char) { ++count; });
  // The digits from the most significant on, gathered into parts of 18
  // counted from the last digit.
  std::size_t index = (count + kPartDigits - 1) / kPartDigits;
  std::size_t left = count;
  std::uint64_t part = 0;
  ForEachDigit(shown, separators, [&](char digit) {
    part = 10 * part + static_cast<std::uint64_t>(digit - '0');
    if (--left % kPartDigits == 0) {
      addPart(--index, std::exchange(part, 0));
    }
  });
}

void ShownCentsTotal::add(const ShownCentsTotal& other) {
  for (std::size_t index = 0; index < other.parts_.size(); ++index) {
    addPart(index, other.parts_[index]);
  }
}

void ShownCentsTotal::addPart(std::size_t index, std::uint64_t value) {
  for (; value != 0; ++index) {
    if (index >= parts_.size()) parts_.resize(index + 1, 0);
    const std::uint64_t sum = parts_[index] + value;  // below twice the base
    parts_[index] = sum % kPartBase;
    value = sum / kPartBase;
  }
}

std::string ShownCentsTotal::text(const Separators& separators) const {
  std::string digits;
  for (auto part = parts_.rbegin(); part != parts_.rend(); ++part) {
    const std::string value = std::to_string(*part);
    if (!digits.empty()) digits.append(kPartDigits - value.size(), '0');
    digits += value;
  }
  static constexpr DisplayPattern kTotal{pattern::kBalance};
  std::string text((digits.size() + 1) * (1 + separators.grouping.size()) +
                       separators.decimal.size() + 2,
                   '\0');
  const int point = static_cast<int>(digits.size()) - 2;
  text.resize(static_cast<std::size_t>(
      WriteDigitsWithPattern(text.data(), digits, point, kTotal, separators) - text.data()));
  return text;
}

}  // namespace sw
