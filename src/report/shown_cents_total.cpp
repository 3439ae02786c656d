#include "report/shown_cents_total.h"

#include "numeric/display_pattern.h"
#include "numeric/shown_decimal.h"

namespace sw {
namespace {

constexpr std::size_t kPartDigits = 18;
constexpr std::uint64_t kPartBase = 1'000'000'000'000'000'000u;

}  // namespace

void ShownCentsTotal::add(double amount) {
  const Decimal shown = ShownDecimal(amount, 2);
  if (shown.digits == 0) return;
  // Rounded to two decimals, the cents are the digits followed by `zeros`
  // zeros; the digits may straddle two parts.
  const int zeros = shown.point + 2 - shown.count;
  const auto index = static_cast<std::size_t>(zeros) / kPartDigits;
  const std::size_t shift = static_cast<std::size_t>(zeros) % kPartDigits;
  const std::uint64_t lowDigits = kPowersOfTen[kPartDigits - shift];
  addPart(index, shown.digits % lowDigits * kPowersOfTen[shift]);
  addPart(index + 1, shown.digits / lowDigits);
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
  std::string text(
      (digits.size() + 1) * (1 + separators.grouping.size()) + separators.decimal.size() + 2, '\0');
  const int point = static_cast<int>(digits.size()) - 2;
  text.resize(static_cast<std::size_t>(
      WriteDigitsWithPattern(text.data(), digits, point, kTotal, separators) - text.data()));
  return text;
}

}  // namespace sw
